// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "engine/design_parts.h"
#include "engine/design_run.h"
#include "studies/biquad_figures.h"
#include "studies/cascade_response.h"
#include "studies/design_biquads.h"
#include "tests/engine/fakes.h"

namespace tessaron {
namespace {

constexpr Extended kFc = 1000;

double relative(double a, long double b) {
    return std::fabs(static_cast<double>((a - b) / b));
}

struct Sizing {
    int method;
    FilterFamily family;
    int order;
};

std::vector<Sizing> allSizings() {
    std::vector<Sizing> sizings;
    for (int method : {1, 2}) {
        for (FilterFamily family : {Butterworth, Bessel, Chebyshev}) {
            for (int order : {2, 4, 8}) {
                sizings.push_back({method, family, order});
            }
        }
    }
    return sizings;
}

// The stages a run sizes for these choices and a typical given value.
template <class Topology>
std::vector<typename Topology::Stage> sizedStages(const Sizing& s, Extended given) {
    CoefficientTables tables;
    tables.Fill();
    fp::Guard guard;
    std::vector<typename Topology::Stage> stages;
    for (int i = 0; i < stageCount(s.order); ++i) {
        stages.push_back(
            Topology::size(s.method, tables.Lookup(s.family, s.order, i), kFc * kTwoPi, given));
    }
    return stages;
}

template <class Topology>
struct StageModelCase {
    static void partsFollowTheReportLines(Extended given) {
        const auto stage = sizedStages<Topology>({1, Chebyshev, 2}, given)[0];
        const auto lines = Topology::componentLines(stage);
        const auto values = Topology::partValues(stage);
        ASSERT_EQ(lines.size(), Topology::kParts.size());
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i].label, "  " + std::string(Topology::kParts[i].name) + " := ");
            EXPECT_EQ(lines[i].value, values[i]);
            EXPECT_EQ(lines[i].unit == " (F)", Topology::kParts[i].kind == PartKind::Capacitor);
            EXPECT_EQ(lines[i].unit == " (H)", Topology::kParts[i].kind == PartKind::Inductor);
        }
    }

    // The double formulas against the exact ones, for every stage of every
    // design the window offers.
    static void doubleStageAgreesWithTheExactOne(Extended given1, Extended given2) {
        for (const Sizing& s : allSizings()) {
            SCOPED_TRACE(::testing::Message() << "method " << s.method << " family " << s.family
                                              << " order " << s.order);
            const auto stages = sizedStages<Topology>(s, s.method == 1 ? given1 : given2);
            const DesignParts design = designParts<Topology>(kFc, std::span(stages));
            ASSERT_EQ(design.stageCount(), stageCount(s.order));
            const std::vector<Biquad> cascade = designBiquads(design);
            for (std::size_t i = 0; i < stages.size(); ++i) {
                fp::Guard guard;
                const StageFigures exact = Topology::figures(stages[i]);
                const BiquadFigures figures = figuresOf(cascade[i]);
                EXPECT_LT(relative(figures.naturalFrequency, exact.naturalFrequency), 1e-14);
                EXPECT_LT(relative(figures.quality, exact.quality), 1e-14);
                expectSameCoefficients(cascade[i], Topology::response(stages[i]));
            }
        }
    }

    static void expectSameCoefficients(const Biquad& b, const BiquadCoefficients& r) {
        EXPECT_LT(relative(b.k, r.K), 1e-15);
        EXPECT_LT(relative(b.b1, r.b1), 1e-15);
        EXPECT_LT(relative(b.b0, r.b0), 1e-15);
    }

    // 1 / (LC s^2 + CR s + 1) = (1/LC) / (s^2 + (CR/LC) s + 1/LC).
    static void expectSameCoefficients(const Biquad& b, const Passive::Response& r) {
        EXPECT_LT(relative(b.k, 1 / r.LC), 1e-15);
        EXPECT_LT(relative(b.b1, r.CR / r.LC), 1e-15);
        EXPECT_LT(relative(b.b0, 1 / r.LC), 1e-15);
    }
};

TEST(StageModel, PartsFollowTheReportLines) {
    StageModelCase<MultipleFeedback>::partsFollowTheReportLines(10000);
    StageModelCase<SallenKey>::partsFollowTheReportLines(10000);
    StageModelCase<Passive>::partsFollowTheReportLines(0.1L);
}

TEST(StageModel, DoubleStageAgreesWithTheExactOne) {
    StageModelCase<MultipleFeedback>::doubleStageAgreesWithTheExactOne(10000, 1e-8L);
    StageModelCase<SallenKey>::doubleStageAgreesWithTheExactOne(4700, 2.2e-9L);
    StageModelCase<Passive>::doubleStageAgreesWithTheExactOne(0.1L, 1e-7L);
}

TEST(StageModel, KindsAndSpecsMatchTheTopologies) {
    EXPECT_EQ(partSpecs(kindOf<MultipleFeedback>).size(), 5u);
    EXPECT_EQ(partSpecs(kindOf<SallenKey>).size(), 4u);
    EXPECT_EQ(partSpecs(kindOf<Passive>).size(), 3u);
    EXPECT_EQ(partSpecs(kindOf<Passive>)[1].name, "L");
    EXPECT_THROW(stageBiquad(kindOf<SallenKey>, std::vector<double>{1, 2, 3}),
                 std::invalid_argument);
    EXPECT_THROW(cascadeBiquads(kindOf<Passive>, std::vector<double>{1, 2, 3, 4}),
                 std::invalid_argument);
}

// The double response of a design's own values over its own grid is the main
// chart's curve: same frequencies, and gain and phase within far less than a
// pixel, for every topology.
TEST(StageModel, ResponseOfTheDesignIsTheMainChartsCurve) {
    const struct {
        TopologyKind topology;
        int method;
        Extended given;
    } cases[] = {
        {kindOf<MultipleFeedback>, 1, 10000},
        {kindOf<SallenKey>, 2, 1e-8L},
        {kindOf<Passive>, 1, 0.1L},
    };
    TMathLib math(nullptr);
    CoefficientTables tables;
    tables.Fill();
    for (const auto& c : cases) {
        for (FilterFamily family : {Butterworth, Chebyshev}) {
            SCOPED_TRACE(::testing::Message() << nameOf(c.topology) << " family " << family);
            DesignRequest request;
            const Sizing sizing{c.method, family, 8};
            testing::RecordingReport report;
            testing::StoredSeries gain;
            testing::StoredSeries phase;
            const auto read = [&] {
                request.Fc = kFc;
                request.Omega = kFc * kTwoPi;
                request.GivenResistance.fill(c.given);
                request.GivenCapacitance.fill(c.given);
                request.GivenInductance.fill(c.given);
            };
            runDesign({math, tables, request, "."}, {c.topology, read, report, {gain, phase}},
                      c.method, family, 8);

            const DesignParts design = withTopology(c.topology, [&]<Topology T>() {
                const auto stages = sizedStages<T>(sizing, c.given);
                return designParts<T>(kFc, std::span(stages));
            });
            const CascadeResponse response =
                cascadeResponse(designBiquads(design), design.frequencies);
            ASSERT_EQ(response.fault, ResponseFault::None);
            ASSERT_EQ(design.frequencies.size(), gain.points.size());
            for (std::size_t p = 0; p < gain.points.size(); ++p) {
                ASSERT_EQ(design.frequencies[p], gain.points[p].x);
                EXPECT_NEAR(response.curves.gainDb[p], gain.points[p].y, 1e-9);
                const double phaseDistance =
                    std::remainder(response.curves.phaseDeg[p] - phase.points[p].y, 360.0);
                EXPECT_NEAR(phaseDistance, 0, 1e-9);
            }
        }
    }
}

}  // namespace
}  // namespace tessaron
