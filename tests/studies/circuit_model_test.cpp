// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/circuit_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>

#include "studies/design_biquads.h"
#include "tests/support/every_design.h"

namespace tessaron {
namespace {

using testing::everyDesign;
using testing::NamedDesign;

OpAmpModel realOpAmp(double gbwHz, double dcGainDb = kDefaultDcGainDb) {
    return {OpAmpKind::Real, gbwHz, dcGainDb, 0};
}

CircuitModel withOpAmp(const OpAmpModel& opAmp) {
    CircuitModel model;
    model.opAmp = opAmp;
    return model;
}

// The ideal choice is the topology's own biquads, to the bit; a passive
// design has no op-amp for a real one to change.
TEST(CircuitModel, IdealOpAmpIsTheTopologysOwnBiquads) {
    for (const NamedDesign& d : everyDesign()) {
        SCOPED_TRACE(d.name);
        const FactoredCascade expected = factorBiquads(designBiquads(d.parts));
        CircuitModel model;
        if (!hasOpAmp(d.parts.topology)) {
            model.opAmp = realOpAmp(1e6);
        }
        const FactoredCascade got = modelledCascade(d.parts.topology, d.parts.values, model);
        ASSERT_EQ(got.factors.size(), expected.factors.size());
        EXPECT_EQ(got.dcGain, expected.dcGain);
        for (std::size_t i = 0; i < got.factors.size(); ++i) {
            EXPECT_EQ(got.factors[i].a, expected.factors[i].a);
            EXPECT_EQ(got.factors[i].b, expected.factors[i].b);
        }
    }
}

// The nodal analysis of each stage's own circuit, with the ideal op-amp
// (V+ = V-), has the biquad's poles: product b0, sum -b1.
TEST(CircuitModel, NodalAnalysisFindsEachBiquadsPoles) {
    for (const NamedDesign& d : everyDesign()) {
        SCOPED_TRACE(d.name);
        for (int s = 0; s < d.parts.stageCount(); ++s) {
            const Biquad b = stageBiquad(d.parts.topology, d.parts.stageValues(s));
            const auto poles = stagePoles(d.parts.topology, d.parts.stageValues(s), {});
            ASSERT_EQ(poles.size(), 2u);
            EXPECT_NEAR((poles[0] * poles[1]).real() / b.b0, 1, 1e-13);
            EXPECT_NEAR(-(poles[0] + poles[1]).real() / b.b1, 1, 1e-13);
        }
    }
}

// An op-amp of 200 dB and 10 THz is ideal to within what it moves at 1 kHz.
TEST(CircuitModel, VeryHighGainOpAmpGivesTheIdealCurve) {
    for (const NamedDesign& d : everyDesign()) {
        if (!hasOpAmp(d.parts.topology)) {
            continue;
        }
        SCOPED_TRACE(d.name);
        const CascadeResponse ideal = cascadeResponse(designBiquads(d.parts), d.parts.frequencies);
        const CascadeResponse high = modelledResponse(
            d.parts.topology, d.parts.values, withOpAmp(realOpAmp(1e13, 200)), d.parts.frequencies);
        ASSERT_EQ(high.fault, ResponseFault::None);
        for (std::size_t p = 0; p < d.parts.frequencies.size(); p += 10) {
            EXPECT_NEAR(high.curves.gainDb[p], ideal.curves.gainDb[p], 1e-5);
            EXPECT_NEAR(std::remainder(high.curves.phaseDeg[p] - ideal.curves.phaseDeg[p], 360), 0,
                        1e-5);
        }
    }
}

// Butterworth order 2 at 1 kHz, 10 kOhm, GBW 100 kHz and A0 100 dB, worked
// from the stages' equations with e = (1 + s / wa) / A0, wa = 2pi GBW / A0:
//   MFB: Vout / Vin = -G1 / ((e + s C2 R2 (1 + e)) (G1 + G2 + G3 + s C1) - e G2 + G3)
//     C1 = 33.761872303464251 nF, C2 = 7.5026336462937636 nF, D(s) =
//     1.00002e-4 + 2.28267735228e-8 s + 2.62261104694e-12 s^2 + 4.03144180415e-18 s^3
//     roots -641776.78347182 and -4381.22324854208 +- 4410.91817369819 j:
//     fn 989.469190487761 Hz, Q 0.709507131558337 (ideal 1000 Hz, 0.707107).
//   Sallen-Key: Vout / Vin =
//     G1 / ((1 + e) (1 + s C2 R2) (G1 + G2 + s C1) - (1 + e) G2 - s C1)
//     C1 = 22.507914868976167 nF, C2 = 11.253950469440646 nF, D(s) =
//     1.00001e-4 + 2.26675060401e-8 s + 2.60469981739e-12 s^2 + 4.03144180415e-18 s^3
//     roots -637335.243101547 and -4380.55127717673 +- 4441.96529173731 j:
//     fn 992.906007458161 Hz, Q 0.712080745404749.
// (Roots in 30-digit arithmetic.)
TEST(CircuitModel, FiniteGbwMovesTheStageAsWorkedByHand) {
    const struct {
        TopologyKind topology;
        std::vector<double> values;
        double fn, q, realPole;
    } cases[] = {
        {kindOf<MultipleFeedback>,
         {1e4, 1e4, 1e4, 3.3761872303464251e-08, 7.5026336462937636e-09},
         989.469190487761,
         0.709507131558337,
         -641776.78347182},
        {kindOf<SallenKey>,
         {1e4, 1e4, 2.2507914868976167e-08, 1.1253950469440646e-08},
         992.906007458161,
         0.712080745404749,
         -637335.243101547},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(nameOf(c.topology));
        const auto figures = stageFigures(c.topology, c.values, realOpAmp(1e5));
        ASSERT_TRUE(figures);
        EXPECT_NEAR(figures->naturalFrequency / c.fn, 1, 1e-13);
        EXPECT_NEAR(figures->quality / c.q, 1, 1e-13);
        const auto poles = stagePoles(c.topology, c.values, realOpAmp(1e5));
        ASSERT_EQ(poles.size(), 3u);
        EXPECT_NEAR(poles[2].real() / c.realPole, 1, 1e-13);
    }
}

// The loaded passive cascade against its chain (ABCD) matrices: each section
// a series R + sL then a shunt sC, behind RS and into RL.
TEST(CircuitModel, LoadedPassiveSectionsMatchTheirChainMatrices) {
    for (const NamedDesign& d : everyDesign()) {
        if (hasOpAmp(d.parts.topology)) {
            continue;
        }
        SCOPED_TRACE(d.name);
        CircuitModel model;
        model.loadedSections = true;
        model.termination = {50, 4700};
        const CascadeResponse r =
            modelledResponse(d.parts.topology, d.parts.values, model, d.parts.frequencies);
        ASSERT_EQ(r.fault, ResponseFault::None);
        for (std::size_t p = 0; p < d.parts.frequencies.size(); p += 25) {
            const std::complex<double> s(0, 2 * std::numbers::pi * d.parts.frequencies[p]);
            // [A B; C D] of the whole chain, source resistance first.
            std::complex<double> a = 1, b = model.termination.sourceOhms, c = 0, e = 1;
            for (int st = 0; st < d.parts.stageCount(); ++st) {
                const auto v = d.parts.stageValues(st);
                const std::complex<double> z = v[0] + s * v[1], y = s * v[2];
                // Series z: [1 z; 0 1], then shunt y: [1 0; y 1].
                const auto a1 = a, b1 = b, c1 = c, e1 = e;
                b = a1 * z + b1;
                e = c1 * z + e1;
                a = a1 + b * y;
                c = c1 + e * y;
            }
            const std::complex<double> h = 1.0 / (a + b / model.termination.loadOhms);
            EXPECT_NEAR(r.curves.gainDb[p], 20 * std::log10(std::abs(h)), 1e-9);
            EXPECT_NEAR(
                std::remainder(r.curves.phaseDeg[p] - std::arg(h) * 180 / std::numbers::pi, 360), 0,
                1e-9);
        }
    }
}

TEST(CircuitModel, RefusesWhatCannotBeModelledAndDrawsNoNaN) {
    const NamedDesign d = everyDesign()[2];  // multiple-feedback Butterworth 8
    const std::vector<double>& f = d.parts.frequencies;
    const TopologyKind t = d.parts.topology;
    EXPECT_EQ(modelledResponse(t, d.parts.values, withOpAmp(realOpAmp(1e6, 201)), f).fault,
              ResponseFault::BadModel);
    std::vector<double> zero = d.parts.values;
    zero[3] = 0;
    const CascadeResponse r = modelledResponse(t, zero, withOpAmp(realOpAmp(1e6)), f);
    EXPECT_EQ(r.fault, ResponseFault::NotLowPass);
    EXPECT_TRUE(r.curves.gainDb.empty());
    EXPECT_FALSE(stageFigures(t, std::span(zero).first(5), realOpAmp(1e6)));
}

}  // namespace
}  // namespace tessaron
