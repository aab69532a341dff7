// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/response/response_window.h"

#include <gtest/gtest.h>

#include <qcustomplot.h>

#include <QCheckBox>
#include <QTableWidget>
#include <cmath>
#include <optional>
#include <string>

#include "studies/size_design.h"
#include "tests/support/design_at_1khz.h"
#include "tests/ui/support/recording_dialogs.h"
#include "ui/response/response_figures.h"
#include "ui/response/seconds_text.h"
#include "ui/tab_feed/tab_feed.h"

namespace tessaron {
namespace {

// The window on its own, following a design the test sets.
class ResponseWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        tables.Fill();
        request = testing::requestAt1kHz();
    }

    void design(FilterFamily family, int order) {
        const auto topology = kindOf<SallenKey>;
        last = &feed.start(TabDesign{topology,
                                     1,
                                     family,
                                     order,
                                     request,
                                     sizeDesign(tables, topology, request, 1, family, order),
                                     {}});
    }

    int seriesCount(const QCustomPlot& chart) const { return chart.graphCount(); }
    QString figure(int row, int column) const {
        const QTableWidgetItem* item = window.figures().item(row, column);
        return item != nullptr ? item->text() : QString();
    }

    CoefficientTables tables;
    DesignRequest request;
    TabFeed feed;
    TabDesign* last = nullptr;
    ResponseWindow window{tables, feed, kindOf<SallenKey>, "Sallen-Key"};
};

bool allFinite(const QCustomPlot& chart) {
    for (int i = 0; i < chart.graphCount(); ++i) {
        const auto& data = *chart.graph(i)->data();
        for (auto it = data.constBegin(); it != data.constEnd(); ++it) {
            if (!std::isfinite(it->key) || !std::isfinite(it->value)) {
                return false;
            }
        }
    }
    return true;
}

TEST_F(ResponseWindowTest, CaptionNamesTheTab) {
    EXPECT_EQ(window.windowTitle(), QString("Tessaron — Response, Sallen-Key"));
}

TEST_F(ResponseWindowTest, BeforeTheFirstDesignItSaysSo) {
    window.refresh();
    EXPECT_EQ(window.message(),
              QString("No design yet: \"Calc\" on the Sallen-Key tab makes one."));
    EXPECT_EQ(seriesCount(window.delayChart()), 0);
    EXPECT_EQ(seriesCount(window.stepChart()), 0);
    EXPECT_EQ(window.figures().columnCount(), 0);
}

TEST_F(ResponseWindowTest, ADesignGivesOneCurvePerChartAndItsFigures) {
    design(Butterworth, 2);
    window.refresh();
    EXPECT_EQ(window.message(), QString());
    ASSERT_EQ(seriesCount(window.delayChart()), 1);
    ASSERT_EQ(seriesCount(window.stepChart()), 1);
    EXPECT_EQ(window.delayChart().graph(0)->dataCount(), 10000);
    EXPECT_EQ(window.stepChart().graph(0)->dataCount(), 10000);
    EXPECT_EQ(window.delayChart().graph(0)->name(), QString("Butterworth"));
    EXPECT_FALSE(window.delayChart().legend->visible());
    // The delay at DC of a second-order stage is 1 / (Q w0) = sqrt(2) / (2 pi 1000 Hz).
    ASSERT_EQ(window.figures().columnCount(), 1);
    EXPECT_EQ(figure(0, 0), QString("225.079 µs"));
    // Butterworth order 2 overshoots by 4.3 %.
    EXPECT_EQ(figure(3, 0), QString("4.32 %"));
}

// The comparison adds the other two families to each chart, with a legend,
// and a column of figures each; taking it away leaves the design alone again.
TEST_F(ResponseWindowTest, CompareAddsTwoSeriesPerChartAndAColumnEach) {
    design(Bessel, 4);
    window.refresh();
    window.compareBox().setChecked(true);
    for (const QCustomPlot* chart : {&window.delayChart(), &window.stepChart()}) {
        ASSERT_EQ(seriesCount(*chart), 3);
        EXPECT_EQ(chart->graph(0)->name(), QString("Bessel"));
        EXPECT_EQ(chart->graph(1)->name(), QString("Butterworth"));
        EXPECT_EQ(chart->graph(2)->name(), QString("Chebyshev"));
        EXPECT_NE(chart->graph(1)->pen().color(), chart->graph(2)->pen().color());
        EXPECT_TRUE(chart->legend->visible());
        EXPECT_EQ(chart->legend->itemCount(), 3);
        // Chebyshev's higher delay and overshoot stand whole beside Bessel's.
        bool found = false;
        const QCPRange values = chart->graph(2)->getValueRange(found);
        ASSERT_TRUE(found);
        EXPECT_GT(chart->yAxis->range().upper, values.upper);
    }
    ASSERT_EQ(window.figures().columnCount(), 3);
    EXPECT_EQ(window.figures().horizontalHeaderItem(2)->text(), QString("Chebyshev"));
    window.compareBox().setChecked(false);
    EXPECT_EQ(seriesCount(window.delayChart()), 1);
    EXPECT_EQ(seriesCount(window.stepChart()), 1);
    EXPECT_EQ(window.figures().columnCount(), 1);
}

// Whatever the design, no curve carries a NaN or an infinity; what cannot be
// shown is said, and why.
TEST_F(ResponseWindowTest, BadDesignsSayWhyAndDrawNothingOfThem) {
    struct Case {
        const char* name;
        void (*spoil)(TabDesign&);
        const char* says;
        int series;
    };
    const Case cases[] = {
        {"stopped",
         [](TabDesign& d) {
             d.parts.reset();
             d.stopReason = "0 による浮動小数点数除算.";
         },
         "The last \"Calc\" stopped, so there is no design to show: 0 による浮動小数点数除算.", 0},
        {"negative part", [](TabDesign& d) { d.parts->values[2] = -d.parts->values[2]; },
         "Cannot show the delay and step response: Unit 0", 0},
        {"zero part", [](TabDesign& d) { d.parts->values[5] = 0; },
         "Cannot show the delay and step response: Unit 1", 0},
        {"negative fc", [](TabDesign& d) { d.request.Fc = -1000; },
         "Cannot show the delay and step response: fc must be a positive frequency.", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        design(Chebyshev, 4);
        c.spoil(*last);
        window.compareBox().setChecked(false);
        window.refresh();
        EXPECT_TRUE(window.message().startsWith(QString::fromUtf8(c.says)))
            << window.message().toStdString();
        EXPECT_EQ(seriesCount(window.delayChart()), c.series);
        EXPECT_TRUE(allFinite(window.delayChart()));
        EXPECT_TRUE(allFinite(window.stepChart()));
    }
}

// An unstable design of its own family does not hide the others.
TEST_F(ResponseWindowTest, ComparedFamiliesStandBesideAnUnshowableDesign) {
    design(Butterworth, 4);
    last->parts->values[3] = -last->parts->values[3];
    window.compareBox().setChecked(true);
    EXPECT_EQ(seriesCount(window.delayChart()), 2);
    EXPECT_EQ(window.delayChart().graph(0)->name(), QString("Bessel"));
    EXPECT_TRUE(window.message().startsWith("Butterworth: Cannot show"))
        << window.message().toStdString();
    EXPECT_EQ(figure(0, 0), QString("—"));
    EXPECT_NE(figure(0, 1), QString("—"));
}

TEST(SecondsText, EngineeringUnits) {
    const QLocale c(QLocale::C);
    struct Case {
        double seconds;
        const char* text;
    };
    const Case cases[] = {{0, "0 s"},
                          {125e-6, "125 µs"},
                          {2.5e-3, "2.5 ms"},
                          {1.5, "1.5 s"},
                          {-3e-9, "-3 ns"},
                          {1e-21, "0 s"},
                          {0.000123456789, "123.457 µs"}};
    for (const Case& k : cases) {
        EXPECT_EQ(secondsText(k.seconds, c), QString::fromUtf8(k.text)) << k.seconds;
    }
    EXPECT_EQ(secondsText(2.5e-3, QLocale(QLocale::German)), QString("2,5 ms"));
}

TEST(ResponseFigures, TimesNotReachedAndPeaksAtDc) {
    DelayAndStep shown{{{}, 1e-3, 1e-3, 0}, {}, 1, {0.0, 2e-3, std::nullopt, std::nullopt}};
    const QStringList texts = figureTexts(shown, QLocale(QLocale::C));
    ASSERT_EQ(texts.size(), figureNames().size());
    EXPECT_EQ(texts[2], QString("DC"));
    EXPECT_EQ(texts[3], QString("0.00 %"));
    EXPECT_EQ(texts[4], QString("2 ms"));
    EXPECT_EQ(texts[5], QString("not reached"));
}

}  // namespace
}  // namespace tessaron
