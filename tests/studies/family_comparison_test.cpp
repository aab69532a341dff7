// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/family_comparison.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "studies/size_design.h"
#include "tests/support/design_at_1khz.h"

namespace tessaron {
namespace {

class FamilyComparisonTest : public ::testing::Test {
  protected:
    void SetUp() override {
        tables.Fill();
        request = testing::requestAt1kHz();
    }

    std::vector<FamilyDelayAndStep> compare(FilterFamily family, const DesignParts& parts,
                                            const DesignRequest& asked, bool withOthers) const {
        const SizedDesign design{kindOf<SallenKey>, 1, family, 4, asked, parts};
        return delayAndStepOfFamilies(tables, design, withOthers);
    }

    DesignParts sized(FilterFamily family) const {
        return sizeDesign(tables, kindOf<SallenKey>, request, 1, family, 4);
    }

    CoefficientTables tables;
    DesignRequest request;
};

std::vector<FilterFamily> familiesOf(const std::vector<FamilyDelayAndStep>& outcomes) {
    std::vector<FilterFamily> families;
    for (const auto& o : outcomes) {
        families.push_back(o.family);
    }
    return families;
}

TEST_F(FamilyComparisonTest, TheDesignComesFirstThenTheOthersInTableOrder) {
    struct Case {
        FilterFamily own;
        bool withOthers;
        std::vector<FilterFamily> shown;
    };
    const Case cases[] = {
        {Bessel, false, {Bessel}},
        {Butterworth, true, {Butterworth, Bessel, Chebyshev}},
        {Bessel, true, {Bessel, Butterworth, Chebyshev}},
        {Chebyshev, true, {Chebyshev, Butterworth, Bessel}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.own) + (c.withOthers ? " compared" : " alone"));
        const auto outcomes = compare(c.own, sized(c.own), request, c.withOthers);
        EXPECT_EQ(familiesOf(outcomes), c.shown);
        for (const auto& o : outcomes) {
            EXPECT_TRUE(std::holds_alternative<DelayAndStep>(o.outcome));
        }
    }
}

// The families differ as they should, on one time axis: Chebyshev rings most,
// Bessel least.
TEST_F(FamilyComparisonTest, FamiliesShareTheTimeAxisAndKeepTheirCharacter) {
    const auto outcomes = compare(Butterworth, sized(Butterworth), request, true);
    ASSERT_EQ(outcomes.size(), 3u);
    const auto& butterworth = std::get<DelayAndStep>(outcomes[0].outcome);
    const auto& bessel = std::get<DelayAndStep>(outcomes[1].outcome);
    const auto& chebyshev = std::get<DelayAndStep>(outcomes[2].outcome);
    EXPECT_LT(bessel.stepFigures.overshootPercent, butterworth.stepFigures.overshootPercent);
    EXPECT_LT(butterworth.stepFigures.overshootPercent, chebyshev.stepFigures.overshootPercent);
    EXPECT_EQ(bessel.step.back().x, butterworth.step.back().x);
    EXPECT_EQ(chebyshev.step.back().x, butterworth.step.back().x);
    EXPECT_EQ(bessel.delay.points.front().x, chebyshev.delay.points.front().x);
}

// One family that cannot be shown leaves the others standing, whichever it is.
TEST_F(FamilyComparisonTest, AFamilyThatCannotBeShownLeavesTheOthers) {
    DesignParts unstable = sized(Bessel);
    unstable.values[2] = -unstable.values[2];  // C1 of stage 0 negative
    const auto ownFails = compare(Bessel, unstable, request, true);
    ASSERT_EQ(ownFails.size(), 3u);
    EXPECT_TRUE(std::holds_alternative<Unshowable>(ownFails[0].outcome));
    EXPECT_TRUE(std::holds_alternative<DelayAndStep>(ownFails[1].outcome));
    EXPECT_TRUE(std::holds_alternative<DelayAndStep>(ownFails[2].outcome));

    DesignRequest spoilt = request;
    spoilt.GivenResistance[1] = 0;
    const auto othersFail = compare(Bessel, sized(Bessel), spoilt, true);
    ASSERT_EQ(othersFail.size(), 3u);
    EXPECT_TRUE(std::holds_alternative<DelayAndStep>(othersFail[0].outcome));
    for (std::size_t i = 1; i < 3; ++i) {
        const auto* why = std::get_if<Unshowable>(&othersFail[i].outcome);
        ASSERT_NE(why, nullptr);
        EXPECT_EQ(why->reason.rfind("Unit 1 cannot be sized: ", 0), 0u) << why->reason;
    }
}

}  // namespace
}  // namespace tessaron
