// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/part_sensitivity.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numbers>
#include <vector>

#include "studies/figure_sensitivity.h"
#include "studies/size_design.h"
#include "tests/support/design_at_1khz.h"

namespace tessaron {
namespace {

struct KnownCase {
    const char* name;
    TopologyKind topology;
    std::vector<double> values;
    std::vector<FigureSensitivity> expected;  // S of fn and Q, part by part
};

// fn goes with 1 / sqrt(product of the parts it holds): -1/2 to each of them.
// Sallen-Key, Q = 1 / (p + q), p = sqrt(R1 C2 / (R2 C1)), q = sqrt(R2 C2 / (R1 C1)):
//   C1 and C2 enter p and q alike, so S_Q(C1) = +1/2, S_Q(C2) = -1/2; with
//   R1 = R2, p = q and the resistors cancel; with R1 = 4 R2, q = p / 4 and
//   S_Q(R1) = -(p/2 - q/2) / (p + q) = -(3/8) / (5/4) = -0.3, S_Q(R2) = +0.3.
// Multiple feedback, Q = sqrt(C1 / C2) / (sqrt(R2 R3) / R1 + sqrt(R2 / R3) +
//   sqrt(R3 / R2)), equal resistors: the three terms are 1 each, so
//   S_Q(R1) = 1/3, S_Q(R2) = -(1/2 + 1/2 - 1/2) / 3 = -1/6, S_Q(R3) = -1/6.
// Passive, fn = 1 / (2 pi sqrt(LC)), Q = sqrt(L / C) / R.
const KnownCase kKnownCases[] = {
    {"Sallen-Key, equal resistors",
     kindOf<SallenKey>,
     {1e4, 1e4, 22e-9, 5.6e-9},
     {{-0.5, 0}, {-0.5, 0}, {-0.5, 0.5}, {-0.5, -0.5}}},
    {"Sallen-Key, R1 = 4 R2",
     kindOf<SallenKey>,
     {4e4, 1e4, 22e-9, 5.6e-9},
     {{-0.5, -0.3}, {-0.5, 0.3}, {-0.5, 0.5}, {-0.5, -0.5}}},
    {"multiple feedback, equal resistors",
     kindOf<MultipleFeedback>,
     {1e4, 1e4, 1e4, 33e-9, 8.2e-9},
     {{0, 1.0 / 3}, {-0.5, -1.0 / 6}, {-0.5, -1.0 / 6}, {-0.5, 0.5}, {-0.5, -0.5}}},
    {"passive", kindOf<Passive>, {1500, 0.1, 1e-7}, {{0, -1}, {-0.5, 0.5}, {-0.5, -0.5}}},
};

TEST(PartSensitivity, FormulasAndDifferencesGiveTheHandWorkedValues) {
    for (const KnownCase& c : kKnownCases) {
        SCOPED_TRACE(c.name);
        const auto formulas = figureSensitivities(c.topology, c.values);
        const auto differences = numericFigureSensitivities(c.topology, c.values);
        ASSERT_EQ(formulas.size(), c.expected.size());
        for (std::size_t i = 0; i < c.expected.size(); ++i) {
            EXPECT_NEAR(formulas[i].naturalFrequency, c.expected[i].naturalFrequency, 1e-15);
            EXPECT_NEAR(formulas[i].quality, c.expected[i].quality, 1e-15);
            EXPECT_NEAR(differences[i].naturalFrequency, c.expected[i].naturalFrequency, 1e-8);
            EXPECT_NEAR(differences[i].quality, c.expected[i].quality, 1e-8);
        }
    }
}

// Unequal values in every position: both methods of each topology, order 8.
TEST(PartSensitivity, FormulasAgreeWithDifferencesOnSizedDesigns) {
    CoefficientTables tables;
    tables.Fill();
    for (int kind = 0; kind < static_cast<int>(Topologies::size); ++kind) {
        for (int method : {1, 2}) {
            const DesignParts design = sizeDesign(tables, TopologyKind{kind},
                                                  testing::requestAt1kHz(), method, Chebyshev, 8);
            for (int stage = 0; stage < design.stageCount(); ++stage) {
                const auto values = design.stageValues(stage);
                const auto formulas = figureSensitivities(design.topology, values);
                const auto differences = numericFigureSensitivities(design.topology, values);
                for (std::size_t i = 0; i < values.size(); ++i) {
                    EXPECT_NEAR(formulas[i].naturalFrequency, differences[i].naturalFrequency,
                                1e-8);
                    EXPECT_NEAR(formulas[i].quality, differences[i].quality, 1e-8);
                }
            }
        }
    }
}

// A passive stage with fn = fc: there u = 1 and |H| = Q, so
// S_gain = S_fn + S_Q: R 0 - 1 = -1, L -1/2 + 1/2 = 0, C -1/2 - 1/2 = -1.
// Tolerances 1 %, 1 %, 5 %: (S tol)^2 = 1e-4, 0, 25e-4, shares 1/26, 0, 25/26.
TEST(PartSensitivity, GainAtFcAndBandShares) {
    const double fc = 1000, w = 2 * std::numbers::pi * fc, C = 1e-8, Q = 0.8;
    const std::vector<double> values = {1 / (w * Q * C), 1 / (w * w * C), C};
    const Sensitivities s = partSensitivities(kindOf<Passive>, values,
                                              partTolerances(kindOf<Passive>, 3, {0.01, 0.05}), fc);
    ASSERT_EQ(s.parts.size(), 3u);
    const double gain[] = {-1, 0, -1};
    const double share[] = {1.0 / 26, 0, 25.0 / 26};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_NEAR(s.parts[i].gainAtFc, gain[i], 1e-8);
        EXPECT_NEAR(s.parts[i].bandShare, share[i], 1e-8);
    }
    EXPECT_EQ(s.movesQualityMost, 0u);
    std::vector<PartSensitivity> sorted = s.parts;
    std::sort(sorted.begin(), sorted.end(),
              [](const auto& a, const auto& b) { return sortKey(a) < sortKey(b); });
    EXPECT_EQ(sorted[0].part, 2u);
    EXPECT_EQ(sorted[1].part, 0u);
}

// A stage with a part that is not usable, or whose response cannot be
// evaluated, has no rows; the others keep theirs with their whole band
// shares, and the first of equal |S_Q| (C1 against C2) is the one named.
TEST(PartSensitivity, UnusableStageIsLeftOut) {
    for (const double badR1 : {0.0, 1e200}) {
        SCOPED_TRACE(badR1);
        const std::vector<double> values = {badR1, 1e4, 22e-9, 4.7e-9, 1e4, 1e4, 22e-9, 5.6e-9};
        const Sensitivities s = partSensitivities(kindOf<SallenKey>, values,
                                                  partTolerances(kindOf<SallenKey>, 8, {}), 1000);
        ASSERT_EQ(s.parts.size(), 4u);
        EXPECT_EQ(s.parts[0].part, 4u);
        EXPECT_EQ(s.parts[0].stage, 1);
        EXPECT_EQ(s.movesQualityMost, 2u);
        double shares = 0;
        for (const PartSensitivity& part : s.parts) {
            shares += part.bandShare;
        }
        EXPECT_NEAR(shares, 1, 1e-12);
    }
}

}  // namespace
}  // namespace tessaron
