// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/delay_and_step.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "analysis/frequency_grid.h"
#include "mathlib/fp_guard.h"
#include "mathlib/x87.h"
#include "studies/step_response.h"
#include "tests/cascades.h"

namespace tessaron {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kW0 = 2 * std::numbers::pi * 1000;

using testing::lowPass;

// The x87 unit must come back exactly as the program loaded it: a fault
// trapped under the loaded word would have been masked by the safety net,
// which changes it.
void expectUnitUntouched() {
    EXPECT_FALSE(fp::insideGuard());
    EXPECT_TRUE(x87::sameControlWord(x87::readControlWord(), 0x1332));
}

TEST(DelayAndStep, SaysWhatCannotBeShown) {
    const Biquad good = lowPass(kW0, 0.707107);
    const struct {
        std::vector<Biquad> cascade;
        Extended fc;
        const char* reason;
    } cases[] = {
        {{}, 1000, "There is no completed design to show."},
        {{{kNaN, good.b1, good.b0}}, 1000, "Unit 0 has a coefficient that is not a finite number."},
        {{good, {good.k, kInf, good.b0}},
         1000,
         "Unit 1 has a coefficient that is not a finite number."},
        {{good, good, good, {good.k, good.b1, -good.b0}},
         1000,
         "Unit 3 is unstable: one of its poles is a growing exponential."},
        {{{good.k, good.b1, 0}}, 1000, "Unit 0 has a pole at 0 Hz: its output never settles."},
        // Negative parts can give a stage a negative Q.
        {{good, {good.k, -good.b1, good.b0}},
         1000,
         "Unit 1 is unstable: its Q is negative, so it oscillates with growing swing."},
        {{{good.k, 0, good.b0}},
         1000,
         "Unit 0 has an infinite Q: it oscillates for ever and its delay is unbounded."},
        {{{0, good.b1, good.b0}}, 1000, "Unit 0 has no gain: nothing reaches the output."},
        {{good}, 0, "fc must be a positive frequency."},
        {{good}, -1000, "fc must be a positive frequency."},
        {{good}, std::numeric_limits<Extended>::quiet_NaN(), "fc must be a positive frequency."},
        {{good},
         std::numeric_limits<Extended>::infinity(),
         "fc is too large to sweep in double precision."},
        {{good}, 1e4000L, "fc is too large to sweep in double precision."},
        {{good}, 1e307L, "fc is too large to sweep in double precision."},
        // DC gains whose product leaves the double range.
        {{{1e300, 1, 1}, {1e300, 1, 1}},
         1000,
         "The delay and step response lie beyond the range of double-precision numbers."},
        {{{1e-300, 1, 1}, {1e-300, 1, 1}},
         1000,
         "The delay and step response lie beyond the range of double-precision numbers."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        const DelayAndStepOutcome outcome = delayAndStep(c.cascade, c.fc);
        ASSERT_TRUE(std::holds_alternative<Unshowable>(outcome));
        EXPECT_EQ(std::get<Unshowable>(outcome).reason, c.reason);
        expectUnitUntouched();
    }
}

bool allFinite(const std::vector<PlotPoint>& points) {
    return std::all_of(points.begin(), points.end(),
                       [](const PlotPoint& p) { return std::isfinite(p.x) && std::isfinite(p.y); });
}

// Valid but extreme cascades are either shown with finite numbers throughout or
// refused; the ordinary ones here must be shown.
TEST(DelayAndStep, EveryNumberShownIsFinite) {
    const struct {
        const char* name;
        std::vector<Biquad> cascade;
        Extended fc;
        bool mustShow;
    } cases[] = {
        {"Butterworth at 1 kHz", {lowPass(kW0, 0.541196), lowPass(kW0, 1.306563)}, 1000, true},
        {"fc below 100 Hz", {lowPass(kW0 / 1000, 0.707107)}, 1, true},
        {"stages 1e8 apart",
         {lowPass(kW0 * 1e4, 0.707107), lowPass(kW0 / 1e4, 0.707107)},
         1000,
         true},
        {"Q 1e-6", {lowPass(kW0, 1e-6)}, 1000, true},
        {"Q 1e6", {lowPass(kW0, 1e6)}, 1000, true},
        {"fc 1e150", {lowPass(2 * std::numbers::pi * 1e150, 0.707107)}, 1e150L, true},
        {"w0 1e-150 at 1 kHz", {lowPass(1e-150, 0.707107)}, 1000, false},
        {"w0 1e150 at 1 kHz", {lowPass(1e150, 0.707107)}, 1000, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const DelayAndStepOutcome outcome = delayAndStep(c.cascade, c.fc);
        expectUnitUntouched();
        if (!std::holds_alternative<DelayAndStep>(outcome)) {
            EXPECT_FALSE(c.mustShow) << std::get<Unshowable>(outcome).reason;
            continue;
        }
        const DelayAndStep& r = std::get<DelayAndStep>(outcome);
        EXPECT_EQ(r.delay.points.size(), static_cast<std::size_t>(kSweepPoints));
        EXPECT_EQ(r.step.size(), static_cast<std::size_t>(kSweepPoints));
        EXPECT_TRUE(allFinite(r.delay.points));
        EXPECT_TRUE(allFinite(r.step));
        EXPECT_TRUE(std::isfinite(r.delay.atDc) && std::isfinite(r.delay.peak) &&
                    std::isfinite(r.delay.peakFrequency));
        EXPECT_TRUE(std::isfinite(r.stepFigures.overshootPercent));
    }
}

TEST(DelayAndStep, DelayOverTheMainChartsFrequencies) {
    const Biquad stage = lowPass(kW0, 0.707107);
    const auto outcome = delayAndStep(std::span(&stage, 1), 1000);
    const DelayAndStep& r = std::get<DelayAndStep>(outcome);
    fp::Guard guard;
    const FrequencyGrid grid = FrequencyGrid::forCutoff(1000);
    for (int k = 0; k < kSweepPoints; ++k) {
        ASSERT_EQ(r.delay.points[static_cast<std::size_t>(k)].x, static_cast<double>(grid.at(k)))
            << k;
    }
}

// Two critically damped stages (a fourfold pole) settle later than the span
// rule allows for: the span doubles until the 0.1 % band holds over its last
// tenth.
TEST(DelayAndStep, SpanGrowsUntilTheResponseHasSettled) {
    const std::vector<Biquad> cascade{lowPass(kW0, 0.5), lowPass(kW0, 0.5)};
    const DelayAndStep r = std::get<DelayAndStep>(delayAndStep(cascade, 1000));
    const double span = r.step.back().x;
    EXPECT_DOUBLE_EQ(span, 2 * settlingSpan(cascade));
    ASSERT_TRUE(r.stepFigures.settlingTime01.has_value());
    EXPECT_LE(*r.stepFigures.settlingTime01, 0.9 * span);
    EXPECT_GT(*r.stepFigures.settlingTime01, 0.9 * settlingSpan(cascade));
}

TEST(DelayAndStep, FamiliesSideBySideShareTheTimeAxis) {
    CoefficientTables tables;
    tables.Fill();
    const std::vector<std::vector<Biquad>> cascades{
        testing::prototypeCascade(tables, Butterworth, 8, 1000, true),
        {},
        testing::prototypeCascade(tables, Bessel, 8, 1000, true),
        testing::prototypeCascade(tables, Chebyshev, 8, 1000, true),
    };
    const auto outcomes = delayAndStepSideBySide(cascades, 1000);
    ASSERT_EQ(outcomes.size(), cascades.size());
    EXPECT_TRUE(std::holds_alternative<Unshowable>(outcomes[1]));
    // Chebyshev's Q of 11.5 rings longest and sets the span for all.
    const double span = settlingSpan(cascades[3]);
    for (const std::size_t i : {0u, 2u, 3u}) {
        SCOPED_TRACE(i);
        const DelayAndStep& r = std::get<DelayAndStep>(outcomes[i]);
        EXPECT_EQ(r.step.back().x, span);
        EXPECT_EQ(r.step[1].x, std::get<DelayAndStep>(outcomes[0]).step[1].x);
        EXPECT_EQ(r.finalValue, 1);
        const DelayAndStep alone = std::get<DelayAndStep>(delayAndStep(cascades[i], 1000));
        EXPECT_EQ(r.delay.atDc, alone.delay.atDc);
        EXPECT_EQ(r.delay.peak, alone.delay.peak);
        // Sampled up to 20 times coarser, the overshoot moves in its 7th digit.
        EXPECT_NEAR(r.stepFigures.overshootPercent, alone.stepFigures.overshootPercent, 1e-5);
    }
}

}  // namespace
}  // namespace tessaron
