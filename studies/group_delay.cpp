// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/group_delay.h"

#include <cmath>
#include <numbers>

namespace tessaron {
namespace {

// A stage in the form the delay formula is evaluated in: frequencies relative
// to w0, so no power of w beyond the square is formed and nothing overflows
// far above or below the stage's own frequency.
struct NormalizedStage {
    double w0;
    double inverseQ;  // b1 / w0

    explicit NormalizedStage(const Biquad& stage)
        : w0(std::sqrt(stage.b0)), inverseQ(stage.b1 / std::sqrt(stage.b0)) {}

    double delay(double omega) const {
        const double x = std::fabs(omega) / w0;
        double scaled;
        if (x <= 1) {
            const double x2 = x * x;
            const double d = 1 - x2;
            scaled = inverseQ * (1 + x2) / (d * d + inverseQ * inverseQ * x2);
        } else {
            // The same fraction with numerator and denominator divided by x^4.
            const double y2 = 1 / (x * x);
            const double d = 1 - y2;
            scaled = inverseQ * y2 * (1 + y2) / (d * d + inverseQ * inverseQ * y2);
        }
        return scaled / w0;
    }
};

// In double precision, beside the extended kTwoPi of the exact design.
constexpr double kTwoPiDouble = 2 * std::numbers::pi;
// Far above the rounding of a sum of a few stage delays, far below any digit
// the figures show.
constexpr double kRoundingShare = 1e-12;

double cascadeDelay(std::span<const NormalizedStage> stages, double omega) {
    double sum = 0;
    for (const NormalizedStage& stage : stages) {
        sum += stage.delay(omega);
    }
    return sum;
}

// Golden-section search for the largest delay in [lo, hi] (Hz), which holds one
// hump at most: it lies between the neighbours of the largest sample. The ends
// stay candidates, so a delay falling from DC peaks at exactly 0 Hz.
PlotPoint peakBetween(std::span<const NormalizedStage> stages, double lo, double hi) {
    const auto at = [&](double f) { return PlotPoint{f, cascadeDelay(stages, kTwoPiDouble * f)}; };
    const auto higher = [](const PlotPoint& p, const PlotPoint& q) { return q.y > p.y ? q : p; };
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    double a = lo;
    double b = hi;
    PlotPoint c = at(b - ratio * (b - a));
    PlotPoint d = at(a + ratio * (b - a));
    for (int i = 0; i < 200 && b - a > 1e-13 * b; ++i) {
        if (c.y >= d.y) {
            b = d.x;
            d = c;
            c = at(b - ratio * (b - a));
        } else {
            a = c.x;
            c = d;
            d = at(a + ratio * (b - a));
        }
    }
    return higher(higher(at(lo), at(hi)), higher(c, d));
}

}  // namespace

double groupDelay(const Biquad& stage, double omega) {
    return NormalizedStage(stage).delay(omega);
}

GroupDelayCurve groupDelayCurve(std::span<const Biquad> cascade,
                                std::span<const double> frequencies) {
    std::vector<NormalizedStage> stages;
    stages.reserve(cascade.size());
    for (const Biquad& stage : cascade) {
        stages.emplace_back(stage);
    }
    GroupDelayCurve curve;
    curve.atDc = cascadeDelay(stages, 0);
    curve.points.reserve(frequencies.size());
    std::size_t best = 0;
    for (std::size_t i = 0; i < frequencies.size(); ++i) {
        const double f = frequencies[i];
        curve.points.push_back({f, cascadeDelay(stages, kTwoPiDouble * f)});
        if (curve.points[i].y > curve.points[best].y) {
            best = i;
        }
    }
    if (frequencies.empty()) {
        curve.peak = curve.atDc;
        curve.peakFrequency = 0;
        return curve;
    }
    const double lo = best > 0 ? frequencies[best - 1] : 0;
    const double hi = best + 1 < frequencies.size() ? frequencies[best + 1] : frequencies[best];
    PlotPoint peak = peakBetween(stages, lo, hi);
    // A delay flat at DC (Bessel) has its "peak" wherever rounding puts it.
    if (peak.y <= curve.atDc * (1 + kRoundingShare)) {
        peak = {0, curve.atDc};
    }
    curve.peak = peak.y;
    curve.peakFrequency = peak.x;
    return curve;
}

}  // namespace tessaron
