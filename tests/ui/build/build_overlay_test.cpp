// SPDX-License-Identifier: GPL-3.0-or-later

// What the Build window draws on its tab's own charts, and what it leaves alone.
#include "tests/ui/build/build_window_fixture.h"

namespace tessaron::test {
namespace {

QCustomPlot& chart(const TFormMain& window, const char* name) {
    return *window.findChild<QCustomPlot*>(name);
}

TEST_F(BuildWindowTest, DrawsTheStandardCurveInsideTheBandOnTheTabsCharts) {
    for (const BuildTab& t : kTabs) {
        SCOPED_TRACE(t.caption);
        calc(t, "1000", t.first0);
        BuildWindow& build = window->companions().showBuild(t.topology);
        waitForBand(build);
        for (const char* name : {t.form().gain.chart, t.form().phase.chart}) {
            QCustomPlot& plot = chart(*window, name);
            const QCPGraph* standard = findSeries(plot, BuildOverlay::kStandardSeries);
            const QCPGraph* upper = findSeries(plot, BuildOverlay::kBandSeries);
            ASSERT_NE(standard, nullptr);
            ASSERT_NE(upper, nullptr);
            ASSERT_NE(upper->channelFillGraph(), nullptr);
            EXPECT_EQ(standard->lineStyle(), QCPGraph::lsLine);
            EXPECT_EQ(plot.graph(0)->lineStyle(), QCPGraph::lsNone);  // the design's own points
            const auto line = pointsOf(*standard);
            const auto high = pointsOf(*upper);
            const auto low = pointsOf(*upper->channelFillGraph());
            // Every frequency of the grid, plus a break where the phase wraps.
            ASSERT_GE(line.size(), 10000u);
            ASSERT_LE(line.size(), 10008u);
            ASSERT_EQ(high.size(), line.size());
            ASSERT_EQ(low.size(), line.size());
            for (std::size_t i = 0; i < line.size(); ++i) {
                EXPECT_EQ(low[i].first, line[i].first);
                EXPECT_EQ(high[i].first, line[i].first);
                if (std::isnan(line[i].second)) {
                    // The band breaks where the line does.
                    EXPECT_TRUE(std::isnan(low[i].second) && std::isnan(high[i].second)) << i;
                    continue;
                }
                EXPECT_LE(low[i].second, line[i].second) << i;
                EXPECT_GE(high[i].second, line[i].second) << i;
                // No stroke across the chart where the displayed phase wraps.
                if (i > 0 && !std::isnan(line[i - 1].second)) {
                    EXPECT_LE(std::abs(line[i].second - line[i - 1].second), 180) << i;
                }
            }
        }
    }
}

// At order 4 the multiple-feedback phase passes -180 degrees near fc and the
// displayed phase wraps there: the line and the band break instead of joining
// the two sides.
TEST_F(BuildWindowTest, TheStandardPhaseBreaksWhereTheDisplayedPhaseWraps) {
    const BuildTab& mf = kTabs[0];
    radio(mf.form().orders[1]).click();
    calc(mf, "1000", mf.first0);
    BuildWindow& build = window->companions().showBuild(mf.topology);
    waitForBand(build);
    const QCPGraph* standard =
        findSeries(chart(*window, mf.form().phase.chart), BuildOverlay::kStandardSeries);
    ASSERT_NE(standard, nullptr);
    const auto line = pointsOf(*standard);
    const auto gap = std::find_if(line.begin(), line.end(),
                                  [](const auto& point) { return std::isnan(point.second); });
    ASSERT_NE(gap, line.end());
    EXPECT_EQ(line.size(), 10001u);
    // Just past 1 kHz, with the two sides half a turn apart or more.
    EXPECT_GT(gap->first, 900.0);
    EXPECT_LT(gap->first, 1100.0);
    EXPECT_GE(std::abs((gap + 1)->second - (gap - 1)->second), 180);
}

TEST_F(BuildWindowTest, ClosingRemovesWhatItAddedToTheCharts) {
    const BuildTab& ps = kTabs[2];
    calc(ps, "1000", ps.first0);
    BuildWindow& build = window->companions().showBuild(ps.topology);
    waitForBand(build);
    EXPECT_GT(chart(*window, ps.form().gain.chart).graphCount(), 1);
    build.close();
    for (const char* name : {ps.form().gain.chart, ps.form().phase.chart}) {
        EXPECT_EQ(chart(*window, name).graphCount(), 1);
    }
    // A "Calc" while it is closed draws nothing of it.
    calc(ps, "2000", ps.first0);
    EXPECT_EQ(chart(*window, ps.form().gain.chart).graphCount(), 1);
}

// The last design's curve and band are not drawn over a new design's points:
// they go when its "Calc" starts and come back for it once it has returned.
TEST_F(BuildWindowTest, ACalcTakesTheLastCurveOffUntilTheWindowFollows) {
    const BuildTab& mf = kTabs[0];
    calc(mf, "1000", mf.first0);
    BuildWindow& build = window->companions().showBuild(mf.topology);
    waitForBand(build);
    const QCustomPlot& gain = chart(*window, mf.form().gain.chart);
    ASSERT_GT(gain.graphCount(), 1);
    edit(mf.form().fc).setText("2000");
    click(mf.form().calc);
    EXPECT_EQ(gain.graphCount(), 1);
    EXPECT_FALSE(build.bandRunning());
    QCoreApplication::sendPostedEvents();
    EXPECT_NE(findSeries(gain, BuildOverlay::kStandardSeries), nullptr);
}

TEST_F(BuildWindowTest, TheMainWindowsReportAndPointsStayTheSame) {
    for (const BuildTab& t : kTabs) {
        SCOPED_TRACE(t.caption);
        SetUp();
        calc(t, "1000", t.first0);
        const QStringList report = memoLines(t.form().memo);
        const auto gain = pointsOf(*chart(*window, t.form().gain.chart).graph(0));
        const auto phase = pointsOf(*chart(*window, t.form().phase.chart).graph(0));
        ASSERT_EQ(gain.size(), 10000u);

        SetUp();
        BuildWindow& build = window->companions().showBuild(t.topology);
        calc(t, "1000", t.first0);
        waitForBand(build);
        EXPECT_EQ(memoLines(t.form().memo), report);
        EXPECT_EQ(pointsOf(*chart(*window, t.form().gain.chart).graph(0)), gain);
        EXPECT_EQ(pointsOf(*chart(*window, t.form().phase.chart).graph(0)), phase);
        EXPECT_TRUE(dialogs.errors.isEmpty());
    }
}

}  // namespace
}  // namespace tessaron::test
