// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/cascade_response.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <limits>
#include <numbers>
#include <vector>

#include "analysis/frequency_grid.h"
#include "tests/cascades.h"

namespace tessaron {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

// A stage of natural frequency fn (Hz), quality q and DC gain `gain`.
Biquad stage(double fn, double q, double gain = 1) {
    return testing::lowPass(kTwoPi * fn, q, gain);
}

// The plain product of complex stage responses, as a check on the normalised
// and unwrapped evaluation.
std::complex<double> directResponse(const std::vector<Biquad>& cascade, double f) {
    const std::complex<double> s(0, kTwoPi * f);
    std::complex<double> h = 1;
    for (const Biquad& b : cascade) {
        h *= b.k / (s * s + b.b1 * s + b.b0);
    }
    return h;
}

// The distance of two angles in degrees, across the +-180 cut.
double angleDistance(double a, double b) {
    return std::fabs(std::remainder(a - b, 360.0));
}

struct ResponseCase {
    const char* name;
    double fc;
    std::vector<Biquad> cascade;
};

TEST(CascadeResponse, MatchesTheDirectComplexProduct) {
    const std::vector<ResponseCase> cases = {
        {"one inverting stage", 1000, {stage(1000, 0.707107, -1)}},
        {"Butterworth 4", 1000, {stage(1000, 0.541196), stage(1000, 1.306563)}},
        {"Chebyshev 8, inverting",
         1000,
         {stage(296.74, 0.67657, -1), stage(598.87, 1.61068, -1), stage(861.01, 3.46567, -1),
          stage(1005.95, 11.5308, -1)}},
        {"three stages", 100, {stage(50, 0.5), stage(70, 0.6), stage(90, 2)}},
        {"five stages, run-time count",
         1e6,
         {stage(1e6, 0.5), stage(1.2e6, 0.6), stage(1.4e6, 0.9), stage(2e6, 2), stage(3e6, 5)}},
    };
    for (const ResponseCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<double> f = plottedFrequencies(c.fc);
        const CascadeResponse r = cascadeResponse(c.cascade, f);
        ASSERT_EQ(r.fault, ResponseFault::None);
        ASSERT_EQ(r.curves.gainDb.size(), f.size());
        for (std::size_t p = 0; p < f.size(); ++p) {
            const std::complex<double> h = directResponse(c.cascade, f[p]);
            EXPECT_NEAR(r.curves.gainDb[p], 20 * std::log10(std::abs(h)), 1e-9) << f[p];
            const double phase = r.curves.phaseDeg[p];
            EXPECT_GT(phase, -180.0);
            EXPECT_LE(phase, 180.0);
            EXPECT_LT(angleDistance(phase, std::arg(h) * 180 / std::numbers::pi), 1e-9) << f[p];
        }
    }
}

// Real poles as the op-amp adds them: alone (a = 0) or two in one factor,
// beside a complex pair, against the plain product of (1 - s / p) at each pole.
TEST(CascadeResponse, FactorsOfRealPolesMatchTheDirectProduct) {
    const std::complex<double> pair(-3000, 6000);
    const std::vector<std::complex<double>> poles = {pair, std::conj(pair), -2e5, -7e5, -9e4};
    const double a = std::pow(kTwoPi, 2);
    FactoredCascade cascade{-2, {}, ResponseFault::None};
    cascade.factors.push_back({a / std::norm(pair), -kTwoPi * 2 * pair.real() / std::norm(pair)});
    cascade.factors.push_back({a / (2e5 * 7e5), kTwoPi * (1 / 2e5 + 1 / 7e5)});
    cascade.factors.push_back({0, kTwoPi / 9e4});
    const std::vector<double> f = plottedFrequencies(10000);
    const CascadeResponse r = cascadeResponse(cascade, f);
    ASSERT_EQ(r.fault, ResponseFault::None);
    for (std::size_t p = 0; p < f.size(); p += 7) {
        std::complex<double> h = -2;
        for (const std::complex<double>& pole : poles) {
            h /= 1.0 - std::complex<double>(0, kTwoPi * f[p]) / pole;
        }
        EXPECT_NEAR(r.curves.gainDb[p], 20 * std::log10(std::abs(h)), 1e-9) << f[p];
        EXPECT_LT(angleDistance(r.curves.phaseDeg[p], std::arg(h) * 180 / std::numbers::pi), 1e-9);
    }
    cascade.factors.push_back({0, -1e-6});  // a pole in the right half-plane
    EXPECT_EQ(cascadeResponse(cascade, f).fault, ResponseFault::NotLowPass);
}

// An order-4 cascade falls through -180 degrees: the displayed phase jumps
// once by +360 and is otherwise continuous, as on the main charts.
TEST(CascadeResponse, PhaseWrapsOnceWhereItPassesMinus180) {
    const std::vector<Biquad> cascade = {stage(1000, 0.541196), stage(1000, 1.306563)};
    const std::vector<double> f = plottedFrequencies(1000);
    const CascadeResponse r = cascadeResponse(cascade, f);
    int jumps = 0;
    for (std::size_t p = 1; p < f.size(); ++p) {
        const double step = r.curves.phaseDeg[p] - r.curves.phaseDeg[p - 1];
        jumps += step > 180;
        EXPECT_LT(step, 360.0);
        EXPECT_TRUE(step > 180 || step <= 0) << f[p];
    }
    EXPECT_EQ(jumps, 1);
}

TEST(CascadeResponse, FaultsLeaveNoCurve) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<double> grid = plottedFrequencies(1000);
    const struct {
        std::vector<Biquad> cascade;
        std::vector<double> frequencies;
        ResponseFault fault;
    } cases[] = {
        {{}, grid, ResponseFault::NoStages},
        {{{0, 1, 1}}, grid, ResponseFault::NotLowPass},
        {{{1, 1, 0}}, grid, ResponseFault::NotLowPass},
        {{{1, -1, 1}}, grid, ResponseFault::NotLowPass},
        {{{1, nan, 1}}, grid, ResponseFault::NotLowPass},
        {{{1, 1, inf}}, grid, ResponseFault::NotLowPass},
        {{stage(1000, 0.7)}, {0, -10, 20}, ResponseFault::BadFrequency},
        {{stage(1000, 0.7)}, {0, nan}, ResponseFault::BadFrequency},
        {{stage(1000, 0.7)}, {0, inf}, ResponseFault::BadFrequency},
        // 1e200 Hz on a 1 kHz stage: |H|^2 underflows to 0, which no chart can take.
        {{stage(1000, 0.7), stage(1000, 0.7)}, {1, 1e200}, ResponseFault::OutOfRange},
    };
    for (const auto& c : cases) {
        const CascadeResponse r = cascadeResponse(c.cascade, c.frequencies);
        EXPECT_EQ(r.fault, c.fault);
        EXPECT_TRUE(r.curves.gainDb.empty());
        EXPECT_TRUE(r.curves.phaseDeg.empty());
        EXPECT_FALSE(faultText(r.fault).empty());
    }
}

// The -3 dB point of one stage solves (1 - u^2)^2 + u^2 / Q^2 = 2, u = f / fn:
// u^2 = (2 - 1/Q^2 + sqrt((2 - 1/Q^2)^2 + 4)) / 2.
//   Q = 1/sqrt(2): u = 1, so f = fn.
//   Q = 1/2 (two equal real poles): u^2 = sqrt(2) - 1, f = 0.643594 fn.
//   Q = 2: u^2 = (1.75 + sqrt(7.0625)) / 2 = 2.20377, f = 1.484510 fn.
TEST(HalfPowerFrequency, SolvesTheStageOnTheGrid) {
    const struct {
        double fn;
        double q;
        double expected;
    } cases[] = {
        {1000, 1 / std::sqrt(2.0), 1000},
        {1000, 0.5, 1000 * std::sqrt(std::sqrt(2.0) - 1)},
        {1000, 2, 1000 * std::sqrt((1.75 + std::sqrt(7.0625)) / 2)},
        {3, 1 / std::sqrt(2.0), 3},  // below the grid's first point: from 0 Hz
    };
    const std::vector<double> f = plottedFrequencies(1000);
    for (const auto& c : cases) {
        const std::vector<Biquad> cascade = {stage(c.fn, c.q, -1)};
        const auto cutoff = halfPowerFrequency(cascade, f);
        ASSERT_TRUE(cutoff.has_value()) << c.q;
        EXPECT_NEAR(*cutoff / c.expected, 1, 1e-12) << c.q;
    }
}

TEST(HalfPowerFrequency, EmptyWhereTheGridNeverGetsThere) {
    const std::vector<Biquad> cascade = {stage(1e6, 0.7)};
    EXPECT_FALSE(halfPowerFrequency(cascade, plottedFrequencies(1000)).has_value());
    EXPECT_FALSE(
        halfPowerFrequency(std::span<const Biquad>{}, plottedFrequencies(1000)).has_value());
    EXPECT_FALSE(halfPowerFrequency(cascade, std::vector<double>{1, -5}).has_value());
}

TEST(DisplayedPhase, PrincipalBranchAndItsShift) {
    const double pi = std::numbers::pi;
    for (double radians : {0.0, 0.5, -0.5, pi / 2, -pi / 2, 0.999 * pi, -0.999 * pi, 1.001 * pi,
                           -1.001 * pi, 3 * pi + 0.25, -7.5, 40.0}) {
        const DisplayedPhase d = displayedPhase(radians);
        EXPECT_GT(d.degrees, -180.0) << radians;
        EXPECT_LE(d.degrees, 180.0) << radians;
        EXPECT_EQ(std::remainder(d.shift, 360.0), 0.0) << radians;
        EXPECT_NEAR(d.degrees - d.shift, radians * 180 / pi, 1e-12) << radians;
    }
    // -180 is shown as +180, as the principal value of arg is.
    EXPECT_NEAR(displayedPhase(-pi).degrees, 180.0, 1e-12);
}

}  // namespace
}  // namespace tessaron
