// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/standard_build.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "studies/band_summary.h"
#include "studies/design_biquads.h"
#include "studies/opamp_build.h"
#include "studies/size_design.h"
#include "tests/mathlib/fpu_probe.h"
#include "tests/support/design_at_1khz.h"

namespace tessaron {
namespace {

constexpr Extended kFc = 1000;

// Butterworth order 2, multiple-feedback, "Fix Rx" 10 kOhm at fc 1 kHz, as a
// run sizes it: R1 = R2 = R3 = 10 kOhm, C1 = 33.7618723 nF, C2 = 7.50263365 nF.
DesignParts butterworth2MultipleFeedback(Extended rx = 10000) {
    CoefficientTables tables;
    tables.Fill();
    const std::vector<MultipleFeedback::Stage> stages = {
        MultipleFeedback::size(1, tables.Lookup(Butterworth, 2, 0), kFc * kTwoPi, rx)};
    return designParts<MultipleFeedback>(kFc, std::span(stages));
}

// Chebyshev order 8 at 1 kHz: multiple-feedback "Fix Rx" 10 kOhm, passive
// "Fix C" 100 nF.
DesignParts chebyshev8(TopologyKind topology) {
    CoefficientTables tables;
    tables.Fill();
    DesignRequest request = testing::requestAt1kHz();
    request.GivenCapacitance.fill(1e-7L);
    const int method = topology == kindOf<Passive> ? 2 : 1;
    return sizeDesign(tables, topology, request, method, Chebyshev, 8);
}

struct KnownDesignCase {
    SeriesChoice series;
    double c1;
    double c2;
    double naturalFrequency;
    double quality;
};

// With equal resistors R: fn = 1 / (2 pi R sqrt(C1 C2)) and Q = sqrt(C1 / C2) / 3.
// 10 kOhm is in every series; C1 = 33.76 nF lies below sqrt(33 * 39) = 35.87
// and goes to 33 nF.
// E12 capacitors: C2 = 7.503 nF lies above sqrt(6.8 * 8.2) = 7.467 and goes to
//   8.2 nF: sqrt(33e-9 * 8.2e-9) = 16.449924e-9,
//   fn = 1 / (2 pi 1e4 * 16.449924e-9) = 967.51172 Hz (-3.25 %),
//   Q = sqrt(33 / 8.2) / 3 = 2.0060883 / 3 = 0.66869610 (-5.43 %).
// E24 capacitors: C2 goes to 7.5 nF: sqrt(33e-9 * 7.5e-9) = 15.732133e-9,
//   fn = 1011.6552 Hz (+1.17 %), Q = sqrt(4.4) / 3 = 0.69920590 (-1.12 %).
TEST(StandardBuild, KnownDesignGivesTheHandComputedStage) {
    const KnownDesignCase cases[] = {
        {{Series::E24, Series::E12}, 33e-9, 8.2e-9, 967.5117220964837, 0.6686960980480711},
        {{Series::E24, Series::E24}, 33e-9, 7.5e-9, 1011.655227544223, 0.6992058987801011},
    };
    const DesignParts design = butterworth2MultipleFeedback();
    for (const KnownDesignCase& c : cases) {
        const StandardBuild build = chooseStandardValues(design, c.series);
        ASSERT_TRUE(build.complete());
        ASSERT_EQ(build.parts.size(), 5u);
        EXPECT_EQ(build.chosenValues, (std::vector<double>{1e4, 1e4, 1e4, c.c1, c.c2}));
        for (const PartRow& row : build.parts) {
            EXPECT_NEAR(*row.deviationPercent,
                        (row.chosen.standard.value - row.exact) / row.exact * 100, 1e-12);
        }
        EXPECT_EQ(*build.parts[0].deviationPercent, 0.0);
        ASSERT_EQ(build.stages.size(), 1u);
        const StageRow& stage = build.stages[0];
        EXPECT_NEAR(stage.standard->naturalFrequency / c.naturalFrequency, 1, 1e-13);
        EXPECT_NEAR(stage.standard->quality / c.quality, 1, 1e-13);
        EXPECT_NEAR(stage.exact->naturalFrequency, 1000, 1e-9);
        EXPECT_NEAR(stage.exact->quality, 0.707107, 1e-12);
        EXPECT_NEAR(*stage.frequencyDeviationPercent, (c.naturalFrequency / 1000 - 1) * 100, 1e-9);
        EXPECT_NEAR(*stage.qualityDeviationPercent, (c.quality / 0.707107 - 1) * 100, 1e-9);
    }
}

// Q = 0.6687 and fn = 967.51 Hz: the -3 dB point solves (1 - u^2)^2 + u^2 / Q^2
// = 2 with 1 / Q^2 = 2.23641, u^2 = (-0.23641 + sqrt(0.23641^2 + 4)) / 2 =
// 0.88876, so f = 967.51 * 0.942741 = 912.12 Hz.
TEST(StandardBuild, SummaryOfTheKnownDesign) {
    const DesignParts design = butterworth2MultipleFeedback();
    const StandardBuild build = chooseStandardValues(design, {Series::E24, Series::E12});
    const std::vector<Biquad> exact = designBiquads(design);
    const std::vector<Biquad> standard = cascadeBiquads(design.topology, build.chosenValues);
    const ToleranceBand band =
        toleranceBand(bandCircuit(design.topology, build, {}), design.frequencies, {});
    const BandSummary summary = summarizeBand(exact, standard, band, design.frequencies, design.fc);
    EXPECT_NEAR(*summary.exactCutoff, 1000, 1e-3);  // Q 0.707107, not 1/sqrt(2)
    EXPECT_NEAR(*summary.standardCutoff, 912.1216117490604, 1e-9);
    EXPECT_LT(*summary.lowestTrialCutoff, *summary.standardCutoff);
    EXPECT_GT(*summary.highestTrialCutoff, *summary.standardCutoff);
    EXPECT_GT(*summary.standardDeviationDb, 0.0);
    EXPECT_GE(*summary.worstDeviationDb, *summary.standardDeviationDb);
}

TEST(StandardBuild, ExactSeriesReproducesTheDesign) {
    const DesignParts design = chebyshev8(kindOf<Passive>);
    const StandardBuild build = chooseStandardValues(design, {Series::Exact, Series::Exact});
    ASSERT_TRUE(build.complete());
    EXPECT_EQ(build.chosenValues, design.values);
    for (const StageRow& stage : build.stages) {
        EXPECT_EQ(*stage.frequencyDeviationPercent, 0.0);
        EXPECT_EQ(*stage.qualityDeviationPercent, 0.0);
    }
    ToleranceChoice none{0, 0};
    const ToleranceBand band =
        toleranceBand(bandCircuit(design.topology, build, none), design.frequencies, {});
    const std::vector<Biquad> cascade = designBiquads(design);
    const BandSummary summary =
        summarizeBand(cascade, cascade, band, design.frequencies, design.fc);
    EXPECT_EQ(*summary.standardDeviationDb, 0.0);
    EXPECT_EQ(*summary.worstDeviationDb, 0.0);
    EXPECT_EQ(summary.exactCutoff, summary.lowestTrialCutoff);
}

// The band of the circuit as built lies around the standard values' curve
// with that op-amp (or with the sections loading each other), which is not
// the ideal one; the summary measures it against the exact design.
TEST(StandardBuild, BandAsBuiltHoldsTheStandardCurveOfThatCircuit) {
    CircuitModel real;
    real.opAmp = {OpAmpKind::Real, 1e6, 100, 0};
    CircuitModel loaded;
    loaded.loadedSections = true;
    const std::pair<DesignParts, CircuitModel> cases[] = {
        {chebyshev8(kindOf<MultipleFeedback>), real}, {chebyshev8(kindOf<Passive>), loaded}};
    for (const auto& [design, model] : cases) {
        SCOPED_TRACE(nameOf(design.topology));
        const StandardBuild build = chooseStandardValues(design, {Series::E24, Series::E12});
        const std::vector<double>& f = design.frequencies;
        const CascadeResponse asBuilt =
            modelledResponse(design.topology, build.chosenValues, model, f);
        const CascadeResponse ideal =
            cascadeResponse(cascadeBiquads(design.topology, build.chosenValues), f);
        const ToleranceBand band =
            toleranceBand(bandCircuit(design.topology, build, {0.01, 0.05}, model), f, {});
        ASSERT_EQ(band.fault, BandFault::None);
        double apart = 0;
        for (std::size_t p = 0; p < f.size(); ++p) {
            ASSERT_LE(band.gainLowDb[p], asBuilt.curves.gainDb[p]);
            ASSERT_GE(band.gainHighDb[p], asBuilt.curves.gainDb[p]);
            apart = std::max(apart, std::fabs(asBuilt.curves.gainDb[p] - ideal.curves.gainDb[p]));
        }
        EXPECT_GT(apart, 0.1);
        const BandSummary summary = summarizeBand(
            factorBiquads(designBiquads(design)),
            modelledCascade(design.topology, build.chosenValues, model), band, f, design.fc);
        EXPECT_EQ(
            summary.standardCutoff,
            halfPowerFrequency(modelledCascade(design.topology, build.chosenValues, model), f));
    }
}

TEST(StandardBuild, InductorsFollowTheResistorsAndTolerancesTheKinds) {
    const DesignParts design = chebyshev8(kindOf<Passive>);
    const StandardBuild build = chooseStandardValues(design, {Series::E6, Series::E192});
    for (const PartRow& row : build.parts) {
        const bool capacitor = row.part.kind == PartKind::Capacitor;
        EXPECT_EQ(row.chosen.standard.significand >= 100, capacitor) << row.part.name;
    }
    const BandCircuit circuit = bandCircuit(design.topology, build, {0.02, 0.1});
    for (std::size_t i = 0; i < build.parts.size(); ++i) {
        EXPECT_EQ(circuit.tolerances[i],
                  build.parts[i].part.kind == PartKind::Capacitor ? 0.1 : 0.02);
    }
}

bool finite(const std::optional<double>& v) {
    return !v || std::isfinite(*v);
}

// Values no part can have: each is named by stage and part, the rest of the
// table stays, and no NaN reaches anything a window would show or draw.
TEST(StandardBuild, BadValuesAreNamedAndGoNoFurther) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    DesignParts design = butterworth2MultipleFeedback();
    // A second stage with a zero R2, a negative R3, a NaN C1 and a C2 far
    // beyond every decade.
    design.values.insert(design.values.end(), {10000, 0, -10000, nan, 1e-30});
    const StandardBuild build = chooseStandardValues(design, {});
    ASSERT_EQ(build.faults.size(), 4u);
    EXPECT_EQ(faultMessage(build.faults[0]), "R2 of Unit 1 cannot be rounded: it is zero.");
    EXPECT_EQ(faultMessage(build.faults[1]), "R3 of Unit 1 cannot be rounded: it is negative.");
    EXPECT_EQ(faultMessage(build.faults[2]), "C1 of Unit 1 cannot be rounded: it is not a number.");
    EXPECT_EQ(build.faults[3].fault, ValueFault::OutsideDecades);
    EXPECT_EQ(build.faults[3].part.name, "C2");

    // What can be shown is shown: stage 0 and R1 of stage 1.
    EXPECT_TRUE(build.stages[0].standard.has_value());
    EXPECT_FALSE(build.stages[1].standard.has_value());
    EXPECT_FALSE(build.stages[1].exact.has_value());
    EXPECT_EQ(build.parts[5].chosen.standard.value, 1e4);
    for (const PartRow& row : build.parts) {
        EXPECT_TRUE(std::isfinite(row.chosen.standard.value)) << row.part.name;
        EXPECT_TRUE(finite(row.deviationPercent)) << row.part.name;
    }
    for (double v : build.chosenValues) {
        EXPECT_TRUE(std::isfinite(v));
    }

    const ToleranceBand band =
        toleranceBand(bandCircuit(design.topology, build, {}), design.frequencies, {});
    EXPECT_EQ(band.fault, BandFault::Response);
    EXPECT_TRUE(band.gainLowDb.empty());
    const BandSummary summary =
        summarizeBand(designBiquads(design), cascadeBiquads(design.topology, build.chosenValues),
                      band, design.frequencies, design.fc);
    for (const auto& v :
         {summary.exactCutoff, summary.standardCutoff, summary.lowestTrialCutoff,
          summary.highestTrialCutoff, summary.standardDeviationDb, summary.worstDeviationDb}) {
        EXPECT_FALSE(v.has_value());
    }
}

// The exact path accepts a negative Rx (its figures are those of the positive
// value); no part of it can be bought.
TEST(StandardBuild, NegativeDesignCannotBeRounded) {
    const StandardBuild build = chooseStandardValues(butterworth2MultipleFeedback(-10000), {});
    ASSERT_EQ(build.faults.size(), 5u);
    for (const PartFault& fault : build.faults) {
        EXPECT_EQ(fault.fault, ValueFault::Negative);
        EXPECT_EQ(fault.stage, 0);
    }
}

// The exact path relies on the loaded control word and on finding no fault
// flag it did not raise itself: everything here, bad values included, leaves
// both as they were on the thread that calls it.
TEST(StandardBuild, LeavesTheControlWordAndNoFaultBehind) {
    constexpr unsigned kUnmaskedFaults = 0x0D;  // invalid, zero divide, overflow
    const auto expectUntouched = [](const char* step) {
        EXPECT_TRUE(x87::sameControlWord(x87::readControlWord(), probe::kProgramWord)) << step;
        EXPECT_EQ(probe::pendingFlags() & kUnmaskedFaults, 0u) << step;
    };
    fp::discardFaults();
    DesignParts design = butterworth2MultipleFeedback();
    design.values.insert(design.values.end(), {10000, 0, -1, 1e300, 1e-300});
    expectUntouched("designParts");
    const StandardBuild build = chooseStandardValues(design, {});
    expectUntouched("chooseStandardValues");
    const std::vector<Biquad> standard = cascadeBiquads(design.topology, build.chosenValues);
    expectUntouched("cascadeBiquads");
    const std::vector<Biquad> exact = designBiquads(design);
    expectUntouched("designBiquads");
    cascadeResponse(standard, design.frequencies);
    expectUntouched("cascadeResponse");
    const ToleranceBand band =
        toleranceBand(bandCircuit(design.topology, build, {}), design.frequencies, {});
    expectUntouched("toleranceBand");
    summarizeBand(exact, standard, band, design.frequencies, design.fc);
    expectUntouched("summarizeBand");
    const OpAmpModel opAmp{OpAmpKind::Real, 1e6, 100, 0};
    CircuitModel real;
    real.opAmp = opAmp;
    modelledCascade(design.topology, build.chosenValues, real);
    expectUntouched("modelledCascade");
    opAmpStageRows(design, build, opAmp);
    expectUntouched("opAmpStageRows");
}

}  // namespace
}  // namespace tessaron
