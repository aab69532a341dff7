// SPDX-License-Identifier: GPL-3.0-or-later

// What a completed run hands to the studies beside it, and when.
#include "tests/engine/design_run_fixture.h"

namespace tessaron {
namespace {

// The value the report prints for `part` in the block of `stage`.
Extended reportedValue(const Lines& report, int stage, std::string_view part) {
    const auto block =
        std::find(report.begin(), report.end(), "<Unit " + std::to_string(stage) + ">");
    const std::string prefix = "  " + std::string(part) + " := ";
    const auto line = std::find_if(block, report.end(),
                                   [&](const std::string& l) { return l.starts_with(prefix); });
    if (line == report.end()) {
        ADD_FAILURE() << part << " of stage " << stage << " is not reported";
        return 0;
    }
    return valueOf(*line);
}

struct Publication {
    TopologyKind topology;
    int method;
    int family;
    int order;
    const char* first0;
    const char* second0;
};

TEST_F(DesignRunTest, ACompletedRunHandsOverTheReportedPartsAndChangesNothing) {
    const Publication cases[] = {
        {MF, 1, Butterworth, 2, "10000", "0"}, {MF, 2, Chebyshev, 8, "0", "1e-8"},
        {SK, 1, Bessel, 4, "10000", "0"},      {SK, 2, Butterworth, 8, "0", "1e-8"},
        {PS, 1, Chebyshev, 4, "0.1", "0"},     {PS, 2, Bessel, 2, "0", "1e-6"},
    };
    for (const Publication& c : cases) {
        SCOPED_TRACE(::testing::Message() << static_cast<int>(c.topology) << "/" << c.method << "/"
                                          << c.family << "/" << c.order);
        Tab silent = tab(c.topology, "1000", c.first0, c.second0);
        calc(silent, c.method, c.family, c.order);

        Tab listened = tab(c.topology, "1000", c.first0, c.second0);
        int calls = 0;
        std::optional<DesignParts> parts;
        calc(listened, c.method, c.family, c.order, [&](const DesignParts& handed) {
            ++calls;
            parts = handed;
        });

        EXPECT_EQ(listened.report.lines, silent.report.lines);
        ASSERT_EQ(listened.gain.points.size(), silent.gain.points.size());
        for (std::size_t k = 0; k < silent.gain.points.size(); ++k) {
            ASSERT_EQ(listened.gain.points[k].y, silent.gain.points[k].y) << k;
            ASSERT_EQ(listened.phase.points[k].y, silent.phase.points[k].y) << k;
        }

        ASSERT_EQ(calls, 1);
        EXPECT_EQ(parts->topology, c.topology);
        EXPECT_EQ(parts->fc, 1000.0);
        ASSERT_EQ(parts->frequencies.size(), silent.gain.points.size());
        EXPECT_EQ(parts->frequencies.front(), silent.gain.points.front().x);
        EXPECT_EQ(parts->frequencies.back(), silent.gain.points.back().x);
        ASSERT_EQ(parts->stageCount(), c.order / 2);
        for (int stage = 0; stage < parts->stageCount(); ++stage) {
            const auto specs = partSpecs(c.topology);
            const auto values = parts->stageValues(stage);
            for (std::size_t i = 0; i < specs.size(); ++i) {
                // The report prints 15 significant digits.
                const double reported =
                    static_cast<double>(reportedValue(silent.report.lines, stage, specs[i].name));
                EXPECT_NEAR(values[i], reported, std::abs(reported) * 1e-14)
                    << specs[i].name << " of stage " << stage;
            }
        }
    }
}

TEST_F(DesignRunTest, AStoppedRunHandsNothingOver) {
    Tab t = tab(MF, "0", "10000", "0");
    int calls = 0;
    EXPECT_THROW(calc(t, 1, Butterworth, 2, [&](const DesignParts&) { ++calls; }), EZeroDivide);
    EXPECT_EQ(calls, 0);
}

TEST_F(DesignRunTest, TheListenerRunsOutsideEveryGuard) {
    for (const bool calledInAGuard : {false, true}) {
        SCOPED_TRACE(calledInAGuard);
        Tab t = tab(SK, "1000", "10000", "0");
        bool guarded = true;
        const auto listener = [&](const DesignParts&) { guarded = fp::insideGuard(); };
        if (calledInAGuard) {
            fp::Guard outer;
            calc(t, 1, Butterworth, 2, listener);
        } else {
            calc(t, 1, Butterworth, 2, listener);
        }
        EXPECT_FALSE(guarded);
    }
}

}  // namespace
}  // namespace tessaron
