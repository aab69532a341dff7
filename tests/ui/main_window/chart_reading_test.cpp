// SPDX-License-Identifier: GPL-3.0-or-later

// What an engineer does with the charts of a tab: reading points, zooming and
// panning the frequency axis.
#include "tests/ui/main_window/chart_reading.h"

namespace tessaron::test {
namespace {

// Reading the curves

struct HoverCase {
    const char* name;
    const char* chart;
    double hertz;  // where the mouse is, horizontally
    double value;  // and vertically
    const char* readout;
};

class HoverReadout : public ChartReading, public ::testing::WithParamInterface<HoverCase> {};

TEST_P(HoverReadout, ShowsThePointNearestInFrequency) {
    designMultiFeedback("1000");
    const HoverCase& c = GetParam();
    QCustomPlot& plot = chart(c.chart);
    hover(plot, pixelOf(plot, c.hertz, c.value));
    EXPECT_TRUE(interaction(c.chart).readoutShown());
    EXPECT_EQ(interaction(c.chart).readoutText(), c.readout);
}

INSTANTIATE_TEST_SUITE_P(
    MultiFeedbackButterworth2, HoverReadout,
    ::testing::Values(
        HoverCase{"gain_at_the_corner", kGain, 1000, -3.0103, "1.00 kHz, -3.01 dB"},
        HoverCase{"phase_at_the_corner", kPhase, 1000, 90, "1.00 kHz, 90.00\u00B0"},
        // The pass band lies a few 1e-8 dB below zero: no "-0.00".
        HoverCase{"gain_at_the_first_point", kGain, 10, 0, "10.0 Hz, 0.00 dB"},
        HoverCase{"phase_at_the_first_point", kPhase, 10, 179.19, "10.0 Hz, 179.19\u00B0"},
        // 14 Hz is nearer 10 Hz in hertz but nearer 19 Hz on the logarithmic axis.
        HoverCase{"between_points_by_the_axis", kPhase, 14, 179, "19.0 Hz, 178.46\u00B0"},
        // The value under the mouse does not matter, only the frequency.
        HoverCase{"far_above_the_curve", kGain, 1000, 0, "1.00 kHz, -3.01 dB"},
        HoverCase{"last_point", kGain, 90001, -78.17, "90.0 kHz, -78.17 dB"},
        HoverCase{"beyond_the_last_point", kGain, 99000, -78, "90.0 kHz, -78.17 dB"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(ChartReading, NothingToReadOutsideThePlotWithoutPointsOrMouse) {
    // No design yet: an empty chart.
    hover(chart(kGain), middleOf(chart(kGain)));
    EXPECT_FALSE(interaction(kGain).readoutShown());

    designMultiFeedback("1000");
    hover(chart(kGain), middleOf(chart(kGain)));
    ASSERT_TRUE(interaction(kGain).readoutShown());
    // Over the title, above the plot area.
    hover(chart(kGain), QPointF(middleOf(chart(kGain)).x(), 3));
    EXPECT_FALSE(interaction(kGain).readoutShown());
    // Panned so far that no point is left in view.
    hover(chart(kGain), middleOf(chart(kGain)));
    chart(kGain).xAxis->setRange(1e7, 1e8);
    EXPECT_FALSE(interaction(kGain).readoutShown());
    // Gone with the mouse.
    chart(kGain).xAxis->setRange(1, 1e6);
    ASSERT_TRUE(interaction(kGain).readoutShown());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&chart(kGain), &leave);
    EXPECT_FALSE(interaction(kGain).readoutShown());
}

TEST_F(ChartReading, ReadoutUnderAStillMouseReadsTheNewDesign) {
    designMultiFeedback("1000");
    hover(chart(kPhase), pixelOf(chart(kPhase), 10, 179));
    const QString butterworth = interaction(kPhase).readoutText();
    ASSERT_EQ(butterworth, "10.0 Hz, 179.19\u00B0");
    // Same frequencies, so the range stays; only the values change.
    radio(kTab.families[1]).setChecked(true);
    designMultiFeedback("1000");
    EXPECT_TRUE(interaction(kPhase).readoutText().startsWith("10.0 Hz, "));
    EXPECT_NE(interaction(kPhase).readoutText(), butterworth);
}

// Zoom and pan

TEST_F(ChartReading, WheelZoomsOnlyTheFrequencyAxisOfBothChartsOfTheTab) {
    designMultiFeedback("1000");
    const auto before = frequencyRanges();
    const QCPRange gainValues = chart(kGain).yAxis->range();
    const QCPRange phaseValues = chart(kPhase).yAxis->range();

    wheel(chart(kGain), pixelOf(chart(kGain), 1000, -20), 3);

    const QCPRange zoomed = chart(kGain).xAxis->range();
    EXPECT_GT(zoomed.lower, before.at(kGain).lower);
    EXPECT_LT(zoomed.upper, before.at(kGain).upper);
    // Zoomed about the mouse: 1 kHz stays inside.
    EXPECT_TRUE(zoomed.contains(1000));
    EXPECT_EQ(chart(kPhase).xAxis->range(), zoomed);
    EXPECT_EQ(chart(kGain).yAxis->range(), gainValues);
    EXPECT_EQ(chart(kPhase).yAxis->range(), phaseValues);
    for (const FormTab& other : kFormTabs) {
        if (other.topology != kTab.topology) {
            for (const char* name : {other.gain.chart, other.phase.chart}) {
                EXPECT_EQ(chart(name).xAxis->range(), before.at(name)) << name;
            }
        }
    }
}

TEST_F(ChartReading, DraggingPansBothChartsByTheSameFactor) {
    designMultiFeedback("1000");
    const QCPRange before = chart(kPhase).xAxis->range();
    const QPointF from = middleOf(chart(kPhase));
    drag(chart(kPhase), from, from + QPointF(40, 25));

    const QCPRange panned = chart(kPhase).xAxis->range();
    EXPECT_LT(panned.lower, before.lower);
    // A pan on the logarithmic axis keeps the number of decades shown.
    EXPECT_NEAR(std::log10(panned.upper / panned.lower), std::log10(before.upper / before.lower),
                1e-9);
    EXPECT_EQ(chart(kGain).xAxis->range(), panned);
}

// Every chart, whichever moves, takes its partner on the tab along and no other.
struct LinkCase {
    const char* moved;
    const char* partner;
};

class LinkedFrequencyAxes : public ChartReading, public ::testing::WithParamInterface<LinkCase> {};

TEST_P(LinkedFrequencyAxes, PartnerFollowsOthersStay) {
    const auto before = frequencyRanges();
    const QCPRange range(123, 4567);
    chart(GetParam().moved).xAxis->setRange(range);
    for (const char* name : allCharts()) {
        const bool follows = name == std::string_view(GetParam().moved) ||
                             name == std::string_view(GetParam().partner);
        EXPECT_EQ(chart(name).xAxis->range(), follows ? range : before.at(name)) << name;
    }
}

std::vector<LinkCase> everyChartWithItsPartner() {
    std::vector<LinkCase> cases;
    for (const FormTab& t : kFormTabs) {
        cases.push_back({t.gain.chart, t.phase.chart});
        cases.push_back({t.phase.chart, t.gain.chart});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(AllCharts, LinkedFrequencyAxes,
                         ::testing::ValuesIn(everyChartWithItsPartner()),
                         [](const auto& param) { return std::string(param.param.moved); });

TEST_F(ChartReading, DoubleClickReturnsBothChartsToTheAutomaticRange) {
    designMultiFeedback("1000");
    const QCPRange automatic = chart(kGain).xAxis->range();
    const QCPRange phaseValues = chart(kPhase).yAxis->range();
    wheel(chart(kGain), middleOf(chart(kGain)), 5);
    drag(chart(kGain), middleOf(chart(kGain)), middleOf(chart(kGain)) + QPointF(30, 0));
    ASSERT_NE(chart(kPhase).xAxis->range(), automatic);

    doubleClick(chart(kPhase), middleOf(chart(kPhase)));
    for (const char* name : {kGain, kPhase}) {
        EXPECT_DOUBLE_EQ(chart(name).xAxis->range().lower, automatic.lower) << name;
        EXPECT_DOUBLE_EQ(chart(name).xAxis->range().upper, automatic.upper) << name;
    }
    EXPECT_EQ(chart(kPhase).yAxis->range(), phaseValues);
}

TEST_F(ChartReading, ContextMenuResetsTheZoomToo) {
    designMultiFeedback("1000");
    const QCPRange automatic = chart(kPhase).xAxis->range();
    wheel(chart(kPhase), middleOf(chart(kPhase)), 4);
    ASSERT_NE(chart(kGain).xAxis->range(), automatic);

    std::unique_ptr<QMenu> menu(createContextMenu(chart(kGain), middleOf(chart(kGain)).toPoint()));
    actionNamed(*menu, "Reset Zoom")->trigger();
    EXPECT_DOUBLE_EQ(chart(kPhase).xAxis->range().lower, automatic.lower);
    EXPECT_DOUBLE_EQ(chart(kPhase).xAxis->range().upper, automatic.upper);
}

TEST_F(ChartReading, NextCalcScalesAutomaticallyAfterAZoom) {
    designMultiFeedback("1000");
    const QCPRange automatic = chart(kGain).xAxis->range();
    wheel(chart(kGain), middleOf(chart(kGain)), 5);
    ASSERT_NE(chart(kGain).xAxis->range(), automatic);

    designMultiFeedback("1000");
    EXPECT_EQ(chart(kGain).xAxis->range(), automatic);
    EXPECT_EQ(chart(kPhase).xAxis->range(), automatic);

    // fc 2000: points from 20 Hz to 190001 Hz, whatever the zoom was, with
    // the same small room beyond both ends so that no point is cut.
    wheel(chart(kPhase), middleOf(chart(kPhase)), -2);
    designMultiFeedback("2000");
    for (const char* name : {kGain, kPhase}) {
        const QCPRange range = chart(name).xAxis->range();
        const double roomBelow = std::log10(20 / range.lower);
        const double roomAbove = std::log10(range.upper / 190001);
        EXPECT_GT(roomBelow, 0.02) << name;
        EXPECT_LT(roomBelow, 0.2) << name;
        EXPECT_NEAR(roomAbove, roomBelow, 1e-9) << name;
    }
}
}  // namespace
}  // namespace tessaron::test
