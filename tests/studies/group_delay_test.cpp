// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/group_delay.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>

#include "studies/delay_and_step.h"
#include "tests/cascades.h"

namespace tessaron {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

using testing::lowPass;

TEST(GroupDelay, AtDcIsOneOverQTimesW0) {
    const struct {
        double w0;
        double q;
        double gain;
    } cases[] = {
        {kTwoPi * 1000, 0.707107, 1},
        {kTwoPi * 1274.2, 0.57735, -1},
        {1, 0.1, 1},
        {kTwoPi * 1e6, 11.5308, -1},
        {1e-3, 0.5, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.q);
        EXPECT_NEAR(groupDelay(lowPass(c.w0, c.q, c.gain), 0), 1 / (c.q * c.w0),
                    1e-15 / (c.q * c.w0));
    }
}

// The delay of one stage peaks where d tau / d(w^2) = 0, at
// (w / w0)^2 = sqrt(4 - 1/Q^2) - 1, for Q above 1/sqrt(3); below, it only falls.
TEST(GroupDelay, PeakOfOneStageIsFoundBetweenSamples) {
    const double w0 = kTwoPi * 1000;
    for (const double q : {0.6, 0.707107, 2.94055, 11.5308}) {
        SCOPED_TRACE(q);
        const Biquad stage = lowPass(w0, q);
        const double peakOmega = w0 * std::sqrt(std::sqrt(4 - 1 / (q * q)) - 1);
        // A coarse grid whose samples miss the peak.
        const std::vector<double> frequencies{10, 300, 600, 900, 1200, 1500, 3000};
        const GroupDelayCurve curve = groupDelayCurve(std::span(&stage, 1), frequencies);
        EXPECT_NEAR(curve.peakFrequency, peakOmega / kTwoPi, 1e-6 * peakOmega / kTwoPi);
        EXPECT_NEAR(curve.peak, groupDelay(stage, peakOmega), 1e-14 * curve.peak);
    }
    for (const double q : {0.3, 0.5, 0.57735}) {
        SCOPED_TRACE(q);
        const Biquad stage = lowPass(w0, q);
        const std::vector<double> frequencies{10, 300, 600, 900};
        const GroupDelayCurve curve = groupDelayCurve(std::span(&stage, 1), frequencies);
        EXPECT_EQ(curve.peakFrequency, 0);
        EXPECT_EQ(curve.peak, curve.atDc);
    }
}

TEST(GroupDelay, FarFromTheStageFrequencyNothingOverflows) {
    // (b0 - w^2)^2 alone would overflow at w = 1e160; the delay tends to b1 / w^2.
    const Biquad stage = lowPass(1, 0.707107);
    for (const double omega : {1e160, 1e300}) {
        const double tau = groupDelay(stage, omega);
        EXPECT_NEAR(tau, stage.b1 / (omega * omega), 1e-12 * stage.b1 / (omega * omega));
    }
    const Biquad fast = lowPass(1e150, 0.707107);
    EXPECT_NEAR(groupDelay(fast, 1), 1 / (0.707107 * 1e150), 1e-12 / (0.707107 * 1e150));
}

// The unwrapped phase of the cascade, each stage's -atan2(b1 w, b0 - w^2)
// (continuous for w >= 0, since b1 w >= 0), checked against the complex response.
double unwrappedPhase(std::span<const Biquad> cascade, double omega) {
    double phase = 0;
    std::complex<double> h = 1;
    for (const Biquad& s : cascade) {
        phase -= std::atan2(s.b1 * omega, s.b0 - omega * omega);
        h *= std::abs(s.k) / std::complex<double>(s.b0 - omega * omega, s.b1 * omega);
    }
    EXPECT_NEAR(std::remainder(phase - std::arg(h), 2 * std::numbers::pi), 0, 1e-9);
    return phase;
}

// Integrating the delay over the grid by trapezoids gives back the phase change
// between its ends. The trapezoid's own error, (step^2 / 12) times the change
// of the delay's slope, stays below 1e-6 of the change on these grids (it is
// largest for the Chebyshev peaks); 1e-5 leaves room for that and is far below
// what a wrong factor or a missed term of the derivative gives.
TEST(GroupDelay, IntegratesToThePhaseChange) {
    CoefficientTables tables;
    tables.Fill();
    for (const double fc : {100.0, 1000.0, 12345.0, 50.0}) {
        const auto frequencies = std::get<std::vector<double>>(sweepFrequencies(fc));
        for (const FilterFamily family : {Butterworth, Bessel, Chebyshev}) {
            for (const int order : {2, 4, 8}) {
                SCOPED_TRACE(::testing::Message()
                             << fc << " Hz, family " << family << ", order " << order);
                const auto cascade = tessaron::testing::prototypeCascade(tables, family, order, fc);
                const GroupDelayCurve curve = groupDelayCurve(cascade, frequencies);
                ASSERT_EQ(curve.points.size(), frequencies.size());
                double integral = 0;
                for (std::size_t i = 1; i < curve.points.size(); ++i) {
                    const PlotPoint& a = curve.points[i - 1];
                    const PlotPoint& b = curve.points[i];
                    integral += (a.y + b.y) / 2 * kTwoPi * (b.x - a.x);
                }
                const double change = unwrappedPhase(cascade, kTwoPi * frequencies.front()) -
                                      unwrappedPhase(cascade, kTwoPi * frequencies.back());
                EXPECT_NEAR(integral, change, 1e-5 * change);
            }
        }
    }
}

}  // namespace
}  // namespace tessaron
