// What an engineer does with the charts and reports of a tab: reading points,
// zooming and panning the frequency axis, copying.
#include <gtest/gtest.h>

#include <qcustomplot.h>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>

#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/chart_interaction.h"
#include "ui/chart_series.h"
#include "ui/chart_text.h"
#include "ui/chart_tickers.h"
#include "ui/context_menu.h"
#include "ui_test_support.h"

namespace tessaron::test {
namespace {

// Mouse actions as the chart receives them, at exact (sub-pixel) positions.
void mouse(QCustomPlot& chart, QEvent::Type type, const QPointF& position, Qt::MouseButton button,
           Qt::MouseButtons buttons) {
    QMouseEvent event(type, position, chart.mapToGlobal(position), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(&chart, &event);
}

void hover(QCustomPlot& chart, const QPointF& position) {
    mouse(chart, QEvent::MouseMove, position, Qt::NoButton, Qt::NoButton);
}

void wheel(QCustomPlot& chart, const QPointF& position, int notches) {
    QWheelEvent event(position, chart.mapToGlobal(position), QPoint(), QPoint(0, 120 * notches),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&chart, &event);
}

void drag(QCustomPlot& chart, const QPointF& from, const QPointF& to) {
    mouse(chart, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    mouse(chart, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    mouse(chart, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

void doubleClick(QCustomPlot& chart, const QPointF& position) {
    mouse(chart, QEvent::MouseButtonDblClick, position, Qt::LeftButton, Qt::LeftButton);
}

QPointF pixelOf(const QCustomPlot& chart, double hertz, double value) {
    return {chart.xAxis->coordToPixel(hertz), chart.yAxis->coordToPixel(value)};
}

QPointF middleOf(const QCustomPlot& chart) {
    return QRectF(chart.axisRect()->rect()).center();
}

// The multiple-feedback tab, where the charts are read.
constexpr const FormTab& kTab = formTab(kindOf<MultipleFeedback>);
constexpr const char* kGain = kTab.gain.chart;
constexpr const char* kPhase = kTab.phase.chart;

// Every chart of the window, tab by tab.
std::vector<const char*> allCharts() {
    std::vector<const char*> charts;
    for (const FormTab& t : kFormTabs) {
        charts.push_back(t.gain.chart);
        charts.push_back(t.phase.chart);
    }
    return charts;
}

// The window on screen, so that the charts have their size and axis layout.
class ChartReading : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        for (const char* name : allCharts()) {
            // Readouts in a known format whatever the machine's locale.
            chart(name).setLocale(QLocale::c());
        }
    }

    QCustomPlot& chart(const char* name) const { return named<QCustomPlot>(name); }
    ChartInteraction& interaction(const char* name) const {
        ChartInteraction* found = ChartInteraction::of(chart(name));
        if (found == nullptr) {
            ADD_FAILURE() << name << " has no interaction";
            throw std::runtime_error("missing interaction");
        }
        return *found;
    }
    // Butterworth, 2nd order, Fix Rx: the points lie at 10, 19, 28 ... Hz.
    void designMultiFeedback(const char* fc) {
        fill(kTab, {fc, "10000"});
        click(kTab.calc);
        ASSERT_EQ(dialogs.errors, QStringList{});
        ASSERT_EQ(pointCount(kGain), 10000);
    }
    std::map<std::string, QCPRange> frequencyRanges() const {
        std::map<std::string, QCPRange> ranges;
        for (const char* name : allCharts()) {
            ranges[name] = chart(name).xAxis->range();
        }
        return ranges;
    }
};

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

// Copying

bool hasColour(const QImage& image, QRgb colour) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == colour) {
                return true;
            }
        }
    }
    return false;
}

TEST_F(ChartReading, CopyChartPutsThePictureWithoutTheReadoutOnTheClipboard) {
    designMultiFeedback("1000");
    QCustomPlot& gain = chart(kGain);
    const QImage withoutReadout = interaction(kGain).picture().toImage();
    hover(gain, pixelOf(gain, 1000, -3));
    ASSERT_TRUE(interaction(kGain).readoutShown());

    QApplication::clipboard()->clear();
    std::unique_ptr<QMenu> menu(createContextMenu(chart(kGain), middleOf(chart(kGain)).toPoint()));
    actionNamed(*menu, "Copy Chart")->trigger();

    const QImage copied = QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(copied.isNull());
    EXPECT_EQ(copied.size(), gain.size() * gain.devicePixelRatioF());
    EXPECT_TRUE(hasColour(copied, qRgb(255, 0, 0))) << "no red gain points";
    EXPECT_EQ(copied, withoutReadout.convertToFormat(QImage::Format_RGB32));
    // The user still sees the readout after copying.
    EXPECT_TRUE(interaction(kGain).readoutShown());
}

TEST_F(ChartReading, CopyAllCopiesTheWholeReportWhateverIsSelected) {
    designMultiFeedback("1000");
    auto& memo = named<QPlainTextEdit>(kTab.memo);
    memo.moveCursor(QTextCursor::Start);
    memo.moveCursor(QTextCursor::Down, QTextCursor::KeepAnchor);
    ASSERT_TRUE(memo.textCursor().hasSelection());

    QApplication::clipboard()->clear();
    std::unique_ptr<QMenu> menu(createContextMenu(memo, QPoint(5, 5)));
    actionNamed(*menu, "Copy All")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), memo.toPlainText());
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith("---Result of Method 1---\n"));
    // The standard editing actions stay in the menu.
    EXPECT_GT(menu->actions().size(), 5);
}

TEST_F(ChartReading, CopyAllIsOfferedOnEveryReportOnlyWhenThereIsText) {
    for (const FormTab& t : kFormTabs) {
        const char* name = t.memo;
        auto& memo = named<QPlainTextEdit>(name);
        EXPECT_EQ(memo.contextMenuPolicy(), Qt::CustomContextMenu) << name;
        std::unique_ptr<QMenu> empty(createContextMenu(memo, QPoint(5, 5)));
        EXPECT_FALSE(actionNamed(*empty, "Copy All")->isEnabled()) << name;
        memo.setPlainText("notes");
        std::unique_ptr<QMenu> filled(createContextMenu(memo, QPoint(5, 5)));
        EXPECT_TRUE(actionNamed(*filled, "Copy All")->isEnabled()) << name;
    }
}

// Adding to the menus

QStringList textsOf(const QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions()) {
        texts << action->text();
    }
    return texts;
}

TEST_F(ChartReading, AddedItemsComeLastEachTimeTheMenuOpens) {
    int opened = 0;
    const auto addExtra = [&opened](QMenu& menu) {
        ++opened;
        menu.addAction("Extra");
    };
    auto& memo = named<QPlainTextEdit>(kTab.memo);
    const QStringList chartBefore =
        textsOf(*std::unique_ptr<QMenu>(createContextMenu(chart(kGain), QPoint(5, 5))));
    const QStringList memoBefore =
        textsOf(*std::unique_ptr<QMenu>(createContextMenu(memo, QPoint(5, 5))));
    addContextMenuItems(chart(kGain), addExtra);
    addContextMenuItems(memo, addExtra);

    std::unique_ptr<QMenu> chartMenu(createContextMenu(chart(kGain), QPoint(5, 5)));
    EXPECT_EQ(textsOf(*chartMenu), chartBefore + QStringList{"Extra"});
    EXPECT_EQ(chartBefore.mid(0, 2), (QStringList{"Copy Chart", "Reset Zoom"}));
    std::unique_ptr<QMenu> memoMenu(createContextMenu(memo, QPoint(5, 5)));
    EXPECT_EQ(textsOf(*memoMenu), memoBefore + QStringList{"Extra"});
    EXPECT_TRUE(memoBefore.contains("Copy All"));
    EXPECT_EQ(opened, 2);

    // Only the chart it was added to has it.
    std::unique_ptr<QMenu> phaseMenu(createContextMenu(chart(kPhase), QPoint(5, 5)));
    EXPECT_FALSE(textsOf(*phaseMenu).contains("Extra"));
}

TEST_F(ChartReading, ReadoutReadsTheDesignWhateverIsAddedBeside) {
    designMultiFeedback("1000");
    addLineSeries(chart(kGain), "Reference", Qt::darkGreen);
    ChartSeries reference(chart(kGain), "Reference");
    reference.setPoints({{500, -40}, {1000, -50}, {2000, -60}});
    hover(chart(kGain), pixelOf(chart(kGain), 1000, -50));
    EXPECT_EQ(interaction(kGain).readoutText(), "1.00 kHz, -3.01 dB");
}

// Tick labels

QStringList labelsInside(QCPAxisTicker& ticker, const QCPRange& range) {
    QVector<double> ticks;
    QVector<double> subTicks;
    QVector<QString> labels;
    ticker.generate(range, QLocale::c(), 'g', 6, ticks, &subTicks, &labels);
    QStringList inside;
    for (qsizetype i = 0; i < ticks.size(); ++i) {
        if (range.contains(ticks[i])) {
            inside << labels[i];
        }
    }
    return inside;
}

struct NumberCase {
    double value;
    const char* text;
};

class EngineeringNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(EngineeringNumber, ReadsAsEngineersWriteIt) {
    EXPECT_EQ(engineeringNumber(GetParam().value, QLocale::c()), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, EngineeringNumber,
    ::testing::Values(NumberCase{10, "10"}, NumberCase{100, "100"}, NumberCase{1000, "1k"},
                      NumberCase{1e4, "10k"}, NumberCase{1e5, "100k"}, NumberCase{1e6, "1M"},
                      NumberCase{1e9, "1G"}, NumberCase{0.5, "0.5"}, NumberCase{1, "1"},
                      NumberCase{2500, "2.5k"}, NumberCase{1050, "1.05k"}, NumberCase{999, "999"},
                      // A decade tick computed a hair short.
                      NumberCase{999.9999999999, "1k"}, NumberCase{std::pow(10.0, 6), "1M"}));

struct ReadoutCase {
    ChartQuantity quantity;
    double hertz;
    double value;
    const char* text;
};

class ReadoutFormat : public ::testing::TestWithParam<ReadoutCase> {};

TEST_P(ReadoutFormat, ThreeDigitsOfFrequencyTwoDecimalsOfValue) {
    const ReadoutCase& c = GetParam();
    EXPECT_EQ(readoutText(c.quantity, c.hertz, c.value, QLocale::c()), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ReadoutFormat,
    ::testing::Values(ReadoutCase{ChartQuantity::Gain, 1000, -3.0103, "1.00 kHz, -3.01 dB"},
                      ReadoutCase{ChartQuantity::Gain, 10, -4.3e-8, "10.0 Hz, 0.00 dB"},
                      ReadoutCase{ChartQuantity::Gain, 1, 0.004, "1.00 Hz, 0.00 dB"},
                      ReadoutCase{ChartQuantity::Phase, 123, 179.19, "123 Hz, 179.19\u00B0"},
                      ReadoutCase{ChartQuantity::Phase, 90001, -0.9, "90.0 kHz, -0.90\u00B0"},
                      // Rounding to three digits moves up a prefix.
                      ReadoutCase{ChartQuantity::Gain, 999.7, -3, "1.00 kHz, -3.00 dB"},
                      ReadoutCase{ChartQuantity::Gain, 9.996, -3, "10.0 Hz, -3.00 dB"},
                      ReadoutCase{ChartQuantity::Gain, 99.96, 0, "100 Hz, 0.00 dB"},
                      ReadoutCase{ChartQuantity::Phase, 1230000, -360, "1.23 MHz, -360.00\u00B0"}));

struct TickCase {
    const char* name;
    QCPRange range;
    QStringList labels;
};

class FrequencyTicks : public ::testing::TestWithParam<TickCase> {};

TEST_P(FrequencyTicks, ZoomedAxesKeepSeveralReadableLabels) {
    FrequencyTicker ticker;
    EXPECT_EQ(labelsInside(ticker, GetParam().range), GetParam().labels);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, FrequencyTicks,
    ::testing::Values(
        TickCase{"whole_sweep", {9.6, 94000}, {"10", "100", "1k", "10k"}},
        TickCase{"up_to_a_megahertz", {1, 1.2e6}, {"1", "10", "100", "1k", "10k", "100k", "1M"}},
        TickCase{"one_decade", {150, 6000}, {"200", "500", "1k", "2k", "5k"}},
        TickCase{"half_a_decade", {1100, 4500}, {"2k", "3k", "4k"}},
        TickCase{"below_one_hertz",
                 {0.15, 0.95},
                 {"0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9"}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(FrequencyTicksZoomedFar, FallBackToEvenStepsWithinOneMantissa) {
    FrequencyTicker ticker;
    const QStringList labels = labelsInside(ticker, QCPRange(1000, 1300));
    ASSERT_GE(labels.size(), 3);
    for (const QString& label : labels) {
        EXPECT_TRUE(label.endsWith('k')) << label.toStdString();
        EXPECT_GE(label.chopped(1).toDouble(), 1.0);
        EXPECT_LE(label.chopped(1).toDouble(), 1.3);
    }
}

struct ValueTickCase {
    const char* name;
    ChartQuantity quantity;
    QCPRange range;
    QStringList labels;
};

class ValueTicks : public ::testing::TestWithParam<ValueTickCase> {};

TEST_P(ValueTicks, FallOnStepsThatMeanSomething) {
    const auto ticker = PreferredStepTicker::forQuantity(GetParam().quantity);
    EXPECT_EQ(labelsInside(*ticker, GetParam().range), GetParam().labels);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, ValueTicks,
    ::testing::Values(
        ValueTickCase{
            "second_order_gain", ChartQuantity::Gain, {-84, 6}, {"-80", "-60", "-40", "-20", "0"}},
        ValueTickCase{"fourth_order_gain",
                      ChartQuantity::Gain,
                      {-168, 6},
                      {"-160", "-120", "-80", "-40", "0"}},
        ValueTickCase{
            "eighth_order_gain", ChartQuantity::Gain, {-345, 10}, {"-300", "-200", "-100", "0"}},
        ValueTickCase{
            "wrapped_phase", ChartQuantity::Phase, {-194, 194}, {"-180", "-90", "0", "90", "180"}},
        ValueTickCase{
            "half_turn", ChartQuantity::Phase, {-7, 187}, {"0", "45", "90", "135", "180"}},
        // Too short for a landmark step: ordinary steps.
        ValueTickCase{
            "flat_phase", ChartQuantity::Phase, {-1, 1}, {"-1", "-0.5", "0", "0.5", "1"}}),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace tessaron::test
