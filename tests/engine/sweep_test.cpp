// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cmath>

#include "analysis/frequency_grid.h"
#include "engine/design_run.h"
#include "engine/multiple_feedback.h"
#include "engine/request_reader.h"
#include "engine/sallen_key.h"
#include "fakes.h"
#include "mathlib/fp_guard.h"

namespace tessaron {
namespace {

struct GridCase {
    Extended fc;
    Extended first;
    Extended second;
    Extended last;
    bool wholeHertz;
};

TEST(FrequencyGrid, BoundsAndSteps) {
    const GridCase cases[] = {
        {1000, 10, 19, 90001, true},
        {100, 1, 2, 10000, true},
        {12345, 123, 246, 1230000, true},
        // Below 100 Hz the whole-hertz step would be 0 and put every point at 0 Hz.
        {50, 0.5L, 0.5L + (5000 - 0.5L) / 9999, 5000, false},
        // fc * 100 beyond 32 bits still runs in whole hertz.
        {3e7L, 300000, 300000 + 299970, 300000 + 9999.0L * 299970, true},
        // Beyond 64 bits: equal steps from fc / 100 to fc * 100.
        {1e18L, 1e16L, 1e16L + (1e20L - 1e16L) / 9999, 1e20L, false},
        // A negative fc keeps its downward whole-hertz grid.
        {-1000, -10, -19, -90001, true},
    };
    fp::Guard guard;
    for (const GridCase& c : cases) {
        SCOPED_TRACE(static_cast<double>(c.fc));
        const FrequencyGrid grid = FrequencyGrid::forCutoff(c.fc);
        EXPECT_EQ(grid.wholeHertz(), c.wholeHertz);
        EXPECT_EQ(grid.at(0), c.first);
        EXPECT_LT(std::fabs(grid.at(1) - c.second), std::fabs(c.second) * 1e-18L);
        EXPECT_LT(std::fabs(grid.at(kSweepPoints - 1) - c.last), std::fabs(c.last) * 1e-17L);
    }
}

class SweepTest : public ::testing::Test {
  protected:
    void SetUp() override {
        tables.Fill();
        request.Zero();
    }
    void calc(TopologyKind topology, const char* fc, const char* first0, int method,
              FilterFamily family, int order) {
        FieldTexts fields;
        fields.fc = fc;
        fields.first[0] = first0;
        fields.second[0] = "1e-8";
        const DesignEngine engine{math, tables, request, "."};
        const DesignTab tab{
            topology,
            [&] { readRequest(stageFieldsOf(topology), fields, ".", request, messages); },
            report,
            {gain, phase}};
        runDesign(engine, tab, method, family, order);
    }
    TMathLib math{nullptr};
    CoefficientTables tables;
    DesignRequest request;
    testing::RecordingReport report;
    testing::RecordingMessages messages;
    testing::StoredSeries gain;
    testing::StoredSeries phase;
};

TEST_F(SweepTest, ButterworthSecondOrderMultipleFeedbackPoints) {
    calc(kindOf<MultipleFeedback>, "1000", "10000", 1, Butterworth, 2);
    ASSERT_EQ(gain.points.size(), 10000u);
    ASSERT_EQ(phase.points.size(), 10000u);
    struct Point {
        std::size_t k;
        double x;
        double gainDb;
        double gainTolerance;
        double phaseDeg;
        double phaseTolerance;
    };
    const Point points[] = {
        {0, 10, -4.3e-8, 0.1e-8, 179.19, 0.01},
        {110, 1000, 20 * std::log10(0.707107), 1e-9, 90, 1e-9},
        {9999, 90001, -78.17, 0.01, 0.90, 0.01},
    };
    for (const Point& p : points) {
        EXPECT_EQ(gain.points[p.k].x, p.x);
        EXPECT_EQ(phase.points[p.k].x, p.x);
        EXPECT_NEAR(gain.points[p.k].y, p.gainDb, p.gainTolerance);
        EXPECT_NEAR(phase.points[p.k].y, p.phaseDeg, p.phaseTolerance);
    }
}

TEST_F(SweepTest, PhaseOfFourInvertingStagesWrapsOnce) {
    // Starts near 0, falls through -180, jumps to +180 and falls on towards 0.
    calc(kindOf<MultipleFeedback>, "1000", "10000", 1, Butterworth, 4);
    EXPECT_NEAR(phase.points.front().y, 0, 2);
    int wraps = 0;
    for (std::size_t k = 1; k < phase.points.size(); ++k) {
        const double step = phase.points[k].y - phase.points[k - 1].y;
        if (step > 300) {
            ++wraps;
        } else {
            EXPECT_LE(step, 0.0) << k;
        }
    }
    EXPECT_EQ(wraps, 1);
    EXPECT_GT(phase.points.back().y, 0);
}

TEST_F(SweepTest, LowCutoffIsPlottedOnAPositiveGrid) {
    calc(kindOf<SallenKey>, "50", "10000", 1, Bessel, 8);
    ASSERT_EQ(gain.points.size(), 10000u);
    EXPECT_EQ(gain.points.front().x, 0.5);
    EXPECT_EQ(gain.points.back().x, 5000);
    for (std::size_t k = 1; k < gain.points.size(); ++k) {
        ASSERT_GT(gain.points[k].x, gain.points[k - 1].x);
    }
    EXPECT_NEAR(gain.points.front().y, 0, 1e-3);
}

TEST_F(SweepTest, HugeCutoffStillSweepsInOrder) {
    calc(kindOf<Passive>, "3e7", "0.1", 1, Chebyshev, 2);
    EXPECT_EQ(gain.points.front().x, 300000);
    EXPECT_EQ(gain.points.back().x, 300000 + 9999.0 * 299970);
}

TEST_F(SweepTest, EventHandlersSeeEveryCallAndChangeNoPoint) {
    calc(kindOf<Passive>, "1000", "0.1", 1, Bessel, 4);
    const auto quietGain = gain.points;
    const auto quietPhase = phase.points;
    long calls = 0;
    math.OnFxFinished = [&](TComponent* sender) {
        EXPECT_EQ(sender, &math);
        ++calls;
    };
    calc(kindOf<Passive>, "1000", "0.1", 1, Bessel, 4);
    math.OnFxFinished = nullptr;
    ASSERT_EQ(gain.points.size(), quietGain.size());
    for (std::size_t k = 0; k < quietGain.size(); ++k) {
        ASSERT_EQ(gain.points[k].y, quietGain[k].y);
        ASSERT_EQ(phase.points[k].y, quietPhase[k].y);
    }
    // Per point: two passive stages of nine calls each (the square and the
    // quotient count their inner calls), the product, the modulus with its
    // three inner calls, the logarithm, and the argument with its arctangent,
    // plus pi where the response has left the right half-plane.
    EXPECT_GE(calls, 10000L * (2 * 9 + 1 + 4 + 1 + 2));
    EXPECT_LE(calls, 10000L * (2 * 9 + 1 + 4 + 1 + 3));
}

TEST(StageResponse, AtZeroHertzActiveStagesPassDcExactly) {
    TMathLib math(nullptr);
    CoefficientTables tables;
    tables.Fill();
    const Extended omega = 1000 * kTwoPi;
    for (int i = 0; i < 4; ++i) {
        const StageCoefficients& p = tables.Lookup(Chebyshev, 8, i);
        Complex h{};
        SallenKey::evaluate(math, SallenKey::response(SallenKey::size(1, p, omega, 10000)),
                            Complex{0, 0}, h);
        EXPECT_EQ(h.Re, 1.0L);
        EXPECT_EQ(h.Im, 0.0L);
        MultipleFeedback::evaluate(
            math, MultipleFeedback::response(MultipleFeedback::size(2, p, omega, 1e-8L)),
            Complex{0, 0}, h);
        EXPECT_EQ(h.Re, -1.0L);
        EXPECT_EQ(h.Im, 0.0L);
    }
}

}  // namespace
}  // namespace tessaron
