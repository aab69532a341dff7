// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/size_design.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "mathlib/x87.h"
#include "studies/biquad_figures.h"
#include "studies/design_biquads.h"
#include "tests/support/design_at_1khz.h"

namespace tessaron {
namespace {

constexpr auto MF = kindOf<MultipleFeedback>;
constexpr auto SK = kindOf<SallenKey>;
constexpr auto PS = kindOf<Passive>;

class SizeDesignTest : public ::testing::Test {
  protected:
    void SetUp() override {
        tables.Fill();
        request = testing::requestAt1kHz();
    }

    CoefficientTables tables;
    DesignRequest request;
};

struct Sizing {
    TopologyKind topology;
    int method;
};

// Every family sized for every topology and method lands on its table's Q and
// natural frequency, stage by stage: what sets one family's curves beside another's.
TEST_F(SizeDesignTest, EveryStageMeetsItsPrototype) {
    const Sizing sizings[] = {{MF, 1}, {MF, 2}, {SK, 1}, {SK, 2}, {PS, 1}, {PS, 2}};
    for (const Sizing& sizing : sizings) {
        for (const FilterFamily family : {Butterworth, Bessel, Chebyshev}) {
            for (const int order : {2, 4, 8}) {
                SCOPED_TRACE(std::to_string(static_cast<int>(sizing.topology)) + " method " +
                             std::to_string(sizing.method) + " family " + std::to_string(family) +
                             " order " + std::to_string(order));
                const DesignParts design =
                    sizeDesign(tables, sizing.topology, request, sizing.method, family, order);
                EXPECT_EQ(design.topology, sizing.topology);
                EXPECT_EQ(design.fc, 1000.0);
                EXPECT_EQ(design.frequencies.size(), 10000u);
                const std::vector<Biquad> cascade = designBiquads(design);
                ASSERT_EQ(cascade.size(), static_cast<std::size_t>(order / 2));
                for (int i = 0; i < order / 2; ++i) {
                    const StageCoefficients& prototype = tables.Lookup(family, order, i);
                    const BiquadFigures figures = figuresOf(cascade[static_cast<std::size_t>(i)]);
                    EXPECT_NEAR(figures.quality, static_cast<double>(prototype.Q),
                                1e-9 * static_cast<double>(prototype.Q));
                    const double f0 = 1000.0 * static_cast<double>(prototype.FrequencyFactor);
                    EXPECT_NEAR(figures.naturalFrequency, f0, 1e-9 * f0);
                }
            }
        }
    }
}

// The method decides which part keeps the value it was given.
TEST_F(SizeDesignTest, TheGivenPartKeepsItsValue) {
    struct Case {
        Sizing sizing;
        std::size_t part;  // in the order of partSpecs
        double given;
    };
    const Case cases[] = {
        {{MF, 1}, 0, 10e3},  {{MF, 2}, 4, 10e-9}, {{SK, 1}, 0, 10e3},
        {{SK, 2}, 3, 10e-9}, {{PS, 1}, 1, 10e-3}, {{PS, 2}, 2, 10e-9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(partSpecs(c.sizing.topology)[c.part].name));
        const DesignParts design =
            sizeDesign(tables, c.sizing.topology, request, c.sizing.method, Chebyshev, 8);
        for (int stage = 0; stage < design.stageCount(); ++stage) {
            EXPECT_DOUBLE_EQ(design.stageValues(stage)[c.part], c.given);
        }
    }
}

// A fault of the exact path becomes the reason one family cannot be shown,
// naming the stage as the report does, and leaves the control word as it was.
TEST_F(SizeDesignTest, FaultsBecomeReasons) {
    struct Case {
        const char* name;
        void (*spoil)(DesignRequest&);
        int method;
        const char* reason;
    };
    const Case cases[] = {
        {"fc 0", [](DesignRequest& r) { r.Fc = r.Omega = 0; }, 1, "Unit 0 cannot be sized: "},
        {"stage 1 given 0", [](DesignRequest& r) { r.GivenCapacitance[1] = 0; }, 2,
         "Unit 1 cannot be sized: "},
        {"method 3", [](DesignRequest&) {}, 3, "Unit 0 cannot be sized: Sizing method"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DesignRequest spoilt = request;
        c.spoil(spoilt);
        const auto outcome = sizeDesignOrWhy(tables, SK, spoilt, c.method, Bessel, 4);
        const auto* why = std::get_if<Unshowable>(&outcome);
        ASSERT_NE(why, nullptr);
        EXPECT_EQ(why->reason.rfind(c.reason, 0), 0u) << why->reason;
        EXPECT_TRUE(x87::sameControlWord(x87::readControlWord(), 0x1332));
    }
    EXPECT_TRUE(
        std::holds_alternative<DesignParts>(sizeDesignOrWhy(tables, SK, request, 2, Bessel, 4)));
}

}  // namespace
}  // namespace tessaron
