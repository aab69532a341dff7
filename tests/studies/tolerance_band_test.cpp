// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/tolerance_band.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <stdexcept>
#include <vector>

#include "analysis/frequency_grid.h"

namespace tessaron {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

// A circuit of stages given by (DC gain, fn in Hz, Q): three "parts" a stage,
// so a tolerance moves the gain, the frequency and the Q directly.
BandCircuit stagesCircuit(const std::vector<double>& gainFnQ, double tolerance) {
    BandCircuit circuit;
    circuit.values = gainFnQ;
    circuit.tolerances.assign(gainFnQ.size(), tolerance);
    circuit.cascadeOf = [](std::span<const double> v) {
        std::vector<Biquad> cascade;
        for (std::size_t i = 0; i + 2 < v.size(); i += 3) {
            const double w0 = kTwoPi * v[i + 1];
            cascade.push_back({v[i] * w0 * w0, w0 / v[i + 2], w0 * w0});
        }
        return factorBiquads(cascade);
    };
    return circuit;
}

const std::vector<double> kChebyshev8 = {-1, 296.74, 0.67657, -1, 598.87,  1.61068,
                                         -1, 861.01, 3.46567, -1, 1005.95, 11.5308};
const std::vector<double> kButterworth8 = {1, 1000, 0.509796, 1, 1000, 0.601345,
                                           1, 1000, 0.899976, 1, 1000, 2.562915};
const std::vector<double> kInvertingBessel2 = {-1, 1274.2, 0.57735};

struct BandCase {
    const char* name;
    std::vector<double> stages;
};

const std::vector<BandCase> kCases = {
    {"Chebyshev 8, inverting", kChebyshev8},
    {"Butterworth 8", kButterworth8},
    {"Bessel 2, inverting", kInvertingBessel2},
};

TEST(ToleranceBand, HoldsTheCurveOfTheCircuitAtItsOwnValues) {
    const std::vector<double> f = plottedFrequencies(1000);
    for (const BandCase& c : kCases) {
        for (double tolerance : {0.001, 0.05, 0.2}) {
            SCOPED_TRACE(testing::Message() << c.name << " tolerance " << tolerance);
            const BandCircuit circuit = stagesCircuit(c.stages, tolerance);
            BandOptions options;
            options.trials = 200;
            const ToleranceBand band = toleranceBand(circuit, f, options);
            ASSERT_EQ(band.fault, BandFault::None);
            EXPECT_EQ(band.trials, 200);
            const CascadeResponse curve = cascadeResponse(circuit.cascadeOf(circuit.values), f);
            double widest = 0;
            for (std::size_t p = 0; p < f.size(); ++p) {
                ASSERT_LE(band.gainLowDb[p], curve.curves.gainDb[p]) << f[p];
                ASSERT_GE(band.gainHighDb[p], curve.curves.gainDb[p]) << f[p];
                ASSERT_LE(band.phaseLowDeg[p], curve.curves.phaseDeg[p]) << f[p];
                ASSERT_GE(band.phaseHighDeg[p], curve.curves.phaseDeg[p]) << f[p];
                widest = std::max(widest, band.gainHighDb[p] - band.gainLowDb[p]);
            }
            EXPECT_GT(widest, 0.0);
        }
    }
}

// The phase edges lie on the branch of the displayed curve, so the band wraps
// with it: never a band 360 degrees wide where the curve jumps.
TEST(ToleranceBand, PhaseEdgesFollowTheDisplayedCurveAcrossTheWrap) {
    const std::vector<double> f = plottedFrequencies(1000);
    const BandCircuit circuit = stagesCircuit(kChebyshev8, 0.01);
    const ToleranceBand band = toleranceBand(circuit, f, {});
    const CascadeResponse curve = cascadeResponse(circuit.cascadeOf(circuit.values), f);
    int wraps = 0;
    for (std::size_t p = 0; p < f.size(); ++p) {
        EXPECT_LT(band.phaseHighDeg[p] - band.phaseLowDeg[p], 120.0) << f[p];
        if (p > 0 && std::fabs(curve.curves.phaseDeg[p] - curve.curves.phaseDeg[p - 1]) > 180) {
            ++wraps;
            // The band jumps with the curve.
            EXPECT_GT(std::fabs(band.phaseLowDeg[p] - band.phaseLowDeg[p - 1]), 180.0);
        }
    }
    EXPECT_GE(wraps, 1);
}

TEST(ToleranceBand, CollapsesOntoTheCurveWithoutTolerance) {
    const std::vector<double> f = plottedFrequencies(1000);
    for (const BandCase& c : kCases) {
        SCOPED_TRACE(c.name);
        const BandCircuit circuit = stagesCircuit(c.stages, 0);
        const ToleranceBand band = toleranceBand(circuit, f, {});
        const CascadeResponse curve = cascadeResponse(circuit.cascadeOf(circuit.values), f);
        ASSERT_EQ(band.fault, BandFault::None);
        EXPECT_EQ(band.gainLowDb, curve.curves.gainDb);
        EXPECT_EQ(band.gainHighDb, curve.curves.gainDb);
        EXPECT_EQ(band.phaseLowDeg, curve.curves.phaseDeg);
        EXPECT_EQ(band.phaseHighDeg, curve.curves.phaseDeg);
        EXPECT_EQ(band.lowestCutoff, band.highestCutoff);
        EXPECT_EQ(band.lowestCutoff, halfPowerFrequency(circuit.cascadeOf(circuit.values), f));
    }
}

bool sameBits(const ToleranceBand& a, const ToleranceBand& b) {
    return a.gainLowDb == b.gainLowDb && a.gainHighDb == b.gainHighDb &&
           a.phaseLowDeg == b.phaseLowDeg && a.phaseHighDeg == b.phaseHighDeg &&
           a.lowestCutoff == b.lowestCutoff && a.highestCutoff == b.highestCutoff;
}

TEST(ToleranceBand, SameSeedSameBandWithAnyNumberOfThreads) {
    const std::vector<double> f = plottedFrequencies(1000);
    const BandCircuit circuit = stagesCircuit(kChebyshev8, 0.05);
    BandOptions options;
    options.trials = 101;
    options.seed = 0x5EED'0000'0000'0001;
    options.threads = 1;
    const ToleranceBand single = toleranceBand(circuit, f, options);
    for (int threads : {2, 3, 7}) {
        options.threads = threads;
        EXPECT_TRUE(sameBits(single, toleranceBand(circuit, f, options))) << threads;
    }
    options.seed += 1;
    EXPECT_FALSE(sameBits(single, toleranceBand(circuit, f, options)));
}

// The draws are fixed by the C++ standard's definition of mt19937_64
// and seed_seq and by our own conversion to double, and the phase and the
// cutoff use nothing but correctly rounded operations: these bits are the same
// on every machine. The gain goes through the C library's log10, which need
// not round the same everywhere, hence the few ulps. A change here changes
// every band a user has seen for a seed.
TEST(ToleranceBand, SeedGivesThePublishedBand) {
    const std::vector<double> f = plottedFrequencies(1000);
    BandOptions options;
    options.trials = 50;
    options.seed = 42;
    const ToleranceBand band = toleranceBand(stagesCircuit(kButterworth8, 0.05), f, options);
    EXPECT_DOUBLE_EQ(band.gainLowDb[110], -4.678611184133679);
    EXPECT_DOUBLE_EQ(band.gainHighDb[110], -1.7491031699231203);
    EXPECT_EQ(band.phaseLowDeg[5000], 0x1.931caa38ef9p+2);
    EXPECT_EQ(*band.lowestCutoff, 0x1.d3d2a0df73914p+9);
}

// Each part is drawn uniformly within +-tolerance: with one stage whose DC
// gain is the only part that varies, the DC gain of 499 trials spans nearly
// all of [1 - tol, 1 + tol) and never leaves it.
TEST(ToleranceBand, DrawsSpanTheToleranceAndStayInside) {
    BandCircuit circuit = stagesCircuit({1, 1000, 0.7}, 0);
    circuit.tolerances[0] = 0.1;
    const std::vector<double> dc = {0};
    const ToleranceBand band = toleranceBand(circuit, dc, {});
    const double low = std::pow(10, band.gainLowDb[0] / 20);
    const double high = std::pow(10, band.gainHighDb[0] / 20);
    EXPECT_GE(low, 0.9 * (1 - 1e-15));
    EXPECT_LT(low, 0.905);
    EXPECT_LT(high, 1.1);
    EXPECT_GT(high, 1.095);
}

TEST(ToleranceBand, StopsWhenAskedAndSaysSo) {
    std::stop_source source;
    source.request_stop();
    const ToleranceBand band = toleranceBand(stagesCircuit(kButterworth8, 0.05),
                                             plottedFrequencies(1000), {}, source.get_token());
    EXPECT_EQ(band.fault, BandFault::Cancelled);
    EXPECT_TRUE(band.gainLowDb.empty());
    EXPECT_TRUE(band.phaseHighDeg.empty());
}

// A trial that throws on a worker thread reaches the caller instead of ending
// the program.
TEST(ToleranceBand, ATrialsFailureReachesTheCaller) {
    BandCircuit circuit = stagesCircuit(kButterworth8, 0.05);
    const auto nominal = circuit.values;
    const auto cascadeOf = circuit.cascadeOf;
    circuit.cascadeOf = [nominal, cascadeOf](std::span<const double> v) {
        if (v[1] != nominal[1]) {
            throw std::runtime_error("trial");
        }
        return cascadeOf(v);
    };
    BandOptions options;
    options.threads = 2;
    EXPECT_THROW(toleranceBand(circuit, plottedFrequencies(1000), options), std::runtime_error);
}

TEST(ToleranceBand, RefusesWhatCannotBeVaried) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<double> f = plottedFrequencies(1000);
    for (double tolerance : {-0.01, 1.0, 1.5, nan}) {
        const ToleranceBand band = toleranceBand(stagesCircuit(kButterworth8, tolerance), f, {});
        EXPECT_EQ(band.fault, BandFault::BadCircuit) << tolerance;
        EXPECT_TRUE(band.gainLowDb.empty());
    }
    BandCircuit missing = stagesCircuit(kButterworth8, 0.01);
    missing.tolerances.pop_back();
    EXPECT_EQ(toleranceBand(missing, f, {}).fault, BandFault::BadCircuit);

    // A part at 0 gives a stage with infinite coefficients: no band, no NaN.
    BandCircuit zero = stagesCircuit(kButterworth8, 0.01);
    zero.values[1] = 0;
    const ToleranceBand band = toleranceBand(zero, f, {});
    EXPECT_EQ(band.fault, BandFault::Response);
    EXPECT_EQ(band.response, ResponseFault::NotLowPass);
    EXPECT_TRUE(band.gainLowDb.empty());
    EXPECT_FALSE(band.lowestCutoff.has_value());
}

}  // namespace
}  // namespace tessaron
