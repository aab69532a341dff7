// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/delay_and_step.h"

#include <algorithm>
#include <cmath>

#include "analysis/frequency_grid.h"
#include "mathlib/fp_guard.h"
#include "mathlib/math_errors.h"
#include "studies/cascade_check.h"
#include "studies/step_response.h"

namespace tessaron {
namespace {

constexpr int kStepPoints = kSweepPoints;
// The response must be inside the 0.1 % band over the last tenth of the span at
// least; the span doubles until it is (up to 64 times the estimate).
constexpr double kSettledShare = 0.9;
constexpr int kMaxLengthenings = 6;

const char* const kOutOfRange =
    "The delay and step response lie beyond the range of double-precision numbers.";

bool finite(double value) {
    return std::isfinite(value);
}

bool finite(const std::optional<double>& value) {
    return !value || std::isfinite(*value);
}

bool finite(const std::vector<PlotPoint>& points) {
    return std::all_of(points.begin(), points.end(),
                       [](const PlotPoint& p) { return finite(p.x) && finite(p.y); });
}

bool finite(const DelayAndStep& r) {
    const StepFigures& f = r.stepFigures;
    return finite(r.delay.points) && finite(r.delay.atDc) && finite(r.delay.peak) &&
           finite(r.delay.peakFrequency) && finite(r.step) && finite(f.overshootPercent) &&
           finite(f.riseTime) && finite(f.settlingTime1) && finite(f.settlingTime01);
}

bool settledWithin(const StepFigures& figures, double span) {
    return figures.settlingTime01 && *figures.settlingTime01 <= kSettledShare * span;
}

}  // namespace

// The grid is extended precision, so it is built inside the numeric guard;
// everything after it is double precision on SSE, which the x87 control word
// does not govern.
std::variant<std::vector<double>, Unshowable> sweepFrequencies(Extended fc) {
    std::vector<double> frequencies;
    try {
        fp::Guard guard;
        if (!(fp::pinned(fc) > 0)) {
            return Unshowable{"fc must be a positive frequency."};
        }
        frequencies = plottedFrequencies(fc);
    } catch (const EMathError&) {
        frequencies.clear();
    }
    if (frequencies.empty() || !std::isfinite(frequencies.back())) {
        return Unshowable{"fc is too large to sweep in double precision."};
    }
    return frequencies;
}

DelayAndStepOutcome delayAndStep(std::span<const Biquad> cascade, Extended fc) {
    const std::vector<Biquad> one(cascade.begin(), cascade.end());
    return std::move(delayAndStepSideBySide(std::span(&one, 1), fc).front());
}

std::vector<DelayAndStepOutcome> delayAndStepSideBySide(
    std::span<const std::vector<Biquad>> cascades, Extended fc) {
    std::vector<DelayAndStepOutcome> outcomes;
    outcomes.reserve(cascades.size());
    const auto grid = sweepFrequencies(fc);
    if (const auto* none = std::get_if<Unshowable>(&grid)) {
        outcomes.assign(cascades.size(), *none);
        return outcomes;
    }
    const auto& frequencies = std::get<std::vector<double>>(grid);

    std::vector<std::size_t> shown;
    double span = 0;
    for (std::size_t i = 0; i < cascades.size(); ++i) {
        const std::vector<Biquad>& cascade = cascades[i];
        if (const auto why = whyNotShowable(cascade)) {
            outcomes.emplace_back(Unshowable{*why});
            continue;
        }
        const double end = finalValue(cascade);
        const double own = settlingSpan(cascade);
        if (!finite(end) || end == 0 || !finite(own)) {
            outcomes.emplace_back(Unshowable{kOutOfRange});
            continue;
        }
        outcomes.emplace_back(DelayAndStep{groupDelayCurve(cascade, frequencies), {}, end, {}});
        span = std::max(span, own);
        shown.push_back(i);
    }

    for (int lengthening = 0; !shown.empty(); ++lengthening) {
        bool settled = true;
        for (const std::size_t i : shown) {
            auto& result = std::get<DelayAndStep>(outcomes[i]);
            result.step = stepResponse(cascades[i], span, kStepPoints);
            result.stepFigures = stepFigures(result.step, result.finalValue);
            settled = settled && settledWithin(result.stepFigures, span);
        }
        if (settled || lengthening == kMaxLengthenings || !finite(span * 2)) {
            break;
        }
        span *= 2;
    }
    for (const std::size_t i : shown) {
        if (!finite(std::get<DelayAndStep>(outcomes[i]))) {
            outcomes[i] = Unshowable{kOutOfRange};
        }
    }
    return outcomes;
}

}  // namespace tessaron
