// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <qcustomplot.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "ui/charts/chart_series.h"
#include "ui/charts/chart_style.h"

namespace tessaron {
namespace {

std::vector<double> keysOf(const QCPGraph& graph) {
    std::vector<double> result;
    for (auto it = graph.data()->constBegin(); it != graph.data()->constEnd(); ++it) {
        result.push_back(it->key);
    }
    return result;
}

class ChartSeriesTest : public ::testing::Test {
  protected:
    static QCustomPlot& gainChart(QCustomPlot& chart) {
        chart.resize(339, 210);
        setUpChart(chart, ChartQuantity::Gain, "Series1");
        return chart;
    }
    std::vector<double> keys() const { return keysOf(series.graph()); }

    QCustomPlot chart;
    ChartSeries series{gainChart(chart), "Series1"};
};

struct FilterCase {
    const char* name;
    std::vector<PlotPoint> points;
    std::vector<double> shownKeys;
};

class ChartSeriesFilter : public ChartSeriesTest,
                          public ::testing::WithParamInterface<FilterCase> {};

TEST_P(ChartSeriesFilter, ShowsOnlyPositiveFrequenciesInAscendingOrder) {
    series.setPoints(GetParam().points);
    EXPECT_EQ(keys(), GetParam().shownKeys);
    EXPECT_EQ(series.producedCount(), GetParam().points.size());
    // The curves' export writes every point handed over, in the sweep's order.
    const auto samePoint = [](const PlotPoint& a, const PlotPoint& b) {
        return a.x == b.x && a.y == b.y;
    };
    EXPECT_TRUE(std::equal(series.points().begin(), series.points().end(),
                           GetParam().points.begin(), GetParam().points.end(), samePoint));
}

INSTANTIATE_TEST_SUITE_P(
    Points, ChartSeriesFilter,
    ::testing::Values(FilterCase{"ascending", {{10, 1}, {19, 2}, {28, 3}}, {10, 19, 28}},
                      FilterCase{"first at zero", {{0, 5}, {1, 4}, {2, 3}}, {1, 2}},
                      FilterCase{"all at zero", std::vector<PlotPoint>(100, PlotPoint{0, 0}), {}},
                      FilterCase{"negative and descending", {{-1, 0}, {-2, 0}, {-3, 0}}, {}},
                      FilterCase{"descending", {{30, 0}, {20, 1}, {10, 2}}, {10, 20, 30}},
                      FilterCase{"empty", {}, {}}),
    [](const auto& param) {
        std::string name = param.param.name;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

TEST_F(ChartSeriesTest, KeepsTheValuesWithTheirFrequencies) {
    series.setPoints({{30, -3}, {10, -1}, {20, -2}});
    const auto* data = series.graph().data().data();
    ASSERT_EQ(data->size(), 3);
    for (auto it = data->constBegin(); it != data->constEnd(); ++it) {
        EXPECT_DOUBLE_EQ(it->value, -it->key / 10) << "at " << it->key;
    }
}

TEST_F(ChartSeriesTest, ANewRunReplacesThePreviousPoints) {
    series.setPoints({{10, 1}, {20, 2}});
    series.clear();
    EXPECT_EQ(series.graph().dataCount(), 0);
    EXPECT_EQ(series.producedCount(), 0u);
    series.setPoints({{5, 1}});
    EXPECT_EQ(keys(), std::vector<double>{5});
}

TEST_F(ChartSeriesTest, AxesCoverTheDataWithRoomAtTheEdges) {
    series.setPoints({{10, -78.2}, {1000, -3.01}, {90001, 0}});
    const QCPRange key = chart.xAxis->range();
    const QCPRange value = chart.yAxis->range();
    EXPECT_LT(key.lower, 10);
    EXPECT_GT(key.lower, 5);
    EXPECT_GT(key.upper, 90001);
    EXPECT_LT(key.upper, 180000);
    EXPECT_LT(value.lower, -78.2);
    EXPECT_GT(value.upper, 0);
    EXPECT_LT(value.upper, 10);
}

TEST_F(ChartSeriesTest, LooksAsTheFormAsks) {
    EXPECT_EQ(chart.xAxis->scaleType(), QCPAxis::stLogarithmic);
    EXPECT_EQ(chart.yAxis->scaleType(), QCPAxis::stLinear);
    EXPECT_NE(dynamic_cast<QCPAxisTickerLog*>(chart.xAxis->ticker().data()), nullptr);
    EXPECT_FALSE(chart.legend->visible());
    EXPECT_EQ(chart.xAxis->tickLabelFont().pixelSize(), 9);
    EXPECT_EQ(chart.yAxis->tickLabelFont().pixelSize(), 9);

    auto* title = qobject_cast<QCPTextElement*>(chart.plotLayout()->element(0, 0));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->text(), "<Gain>");
    EXPECT_TRUE(title->textFlags() & Qt::AlignLeft);

    const QCPGraph& graph = series.graph();
    EXPECT_EQ(chart.graphCount(), 1);
    EXPECT_EQ(graph.name(), "Series1");
    EXPECT_EQ(graph.lineStyle(), QCPGraph::lsNone);
    EXPECT_EQ(graph.scatterStyle().shape(), QCPScatterStyle::ssCircle);
    EXPECT_EQ(graph.scatterStyle().brush().color(), QColor(Qt::red));
    EXPECT_EQ(graph.scatterStyle().pen().color(), QColor(Qt::red));
}

TEST(ChartSetUp, PhaseSeriesKeepsTheChartsDefaultColour) {
    QCustomPlot reference;
    const QColor defaultColour = reference.addGraph()->pen().color();

    QCustomPlot chart;
    setUpChart(chart, ChartQuantity::Phase, "Series2");
    EXPECT_EQ(chart.graph(0)->scatterStyle().pen().color(), defaultColour);
    EXPECT_NE(chart.graph(0)->scatterStyle().pen().color(), QColor(Qt::red));
}

// Further series beside the design's points

TEST_F(ChartSeriesTest, AddedSeriesAreFoundByNameAndRemovedAgain) {
    QCPGraph& reference = addLineSeries(chart, "Reference", Qt::darkGreen);
    QCPGraph& band = addBand(chart, "Tolerance", Qt::blue);
    EXPECT_EQ(findSeries(chart, "Series1"), &series.graph());
    EXPECT_EQ(findSeries(chart, "Reference"), &reference);
    EXPECT_EQ(findSeries(chart, "Tolerance"), &band);
    EXPECT_EQ(findSeries(chart, "Other"), nullptr);
    EXPECT_EQ(reference.lineStyle(), QCPGraph::lsLine);
    EXPECT_EQ(reference.pen().color(), QColor(Qt::darkGreen));

    EXPECT_TRUE(removeSeries(chart, "Tolerance"));
    EXPECT_EQ(chart.graphCount(), 2);  // the band's lower edge went with it
    EXPECT_TRUE(removeSeries(chart, "Reference"));
    EXPECT_FALSE(removeSeries(chart, "Reference"));
    EXPECT_EQ(chart.graphCount(), 1);
    EXPECT_EQ(chart.graph(0), &series.graph());
    EXPECT_THROW(ChartSeries(chart, "Reference"), std::invalid_argument);
}

TEST_F(ChartSeriesTest, TheRangeFollowsTheDesignAloneAndAddedSeriesKeepTheZoom) {
    addLineSeries(chart, "Reference", Qt::darkGreen);
    ChartSeries reference(chart, "Reference");
    reference.setPoints({{100, -60}, {200000, -120}});
    series.setPoints({{10, 0}, {1000, -3}});
    const QCPRange keys = chart.xAxis->range();
    const QCPRange values = chart.yAxis->range();
    EXPECT_LT(keys.lower, 10);
    EXPECT_LT(keys.upper, 2000);
    EXPECT_GT(values.lower, -10);

    // The user zooms; new points of the reference leave the view as it is.
    chart.xAxis->setRange(50, 500);
    reference.setPoints({{20, -10}, {90000, -200}});
    EXPECT_EQ(chart.xAxis->range(), QCPRange(50, 500));
    EXPECT_EQ(chart.yAxis->range(), values);
    // The design's next points set the range again.
    series.setPoints({{10, 0}, {1000, -3}});
    EXPECT_EQ(chart.xAxis->range(), keys);
}

TEST_F(ChartSeriesTest, ABandIsFilledBetweenItsEdgesBehindTheOtherSeries) {
    addBand(chart, "Tolerance", Qt::blue);
    ChartBand band(chart, "Tolerance");
    band.setPoints({{20, -2}, {10, -1}, {0, -9}, {15, std::nan("")}}, {{10, 1}, {20, 2}});
    EXPECT_EQ(keysOf(band.lower()), (std::vector<double>{10, 20}));
    EXPECT_EQ(keysOf(band.upper()), (std::vector<double>{10, 20}));
    EXPECT_EQ(band.upper().channelFillGraph(), &band.lower());
    EXPECT_EQ(band.upper().brush().color().rgb(), QColor(Qt::blue).rgb());
    EXPECT_LT(band.upper().brush().color().alpha(), 255);
    EXPECT_LT(band.upper().layer()->index(), series.graph().layer()->index());
    EXPECT_EQ(band.lower().layer(), band.upper().layer());

    band.clear();
    EXPECT_EQ(band.lower().dataCount(), 0);
    EXPECT_EQ(band.upper().dataCount(), 0);
    EXPECT_THROW(ChartBand(chart, "Series1"), std::invalid_argument);
}

// Where a displayed phase wraps, a curve is handed over in pieces: the line and
// the band's fill break between two pieces, and only there; a point without a
// value inside a piece is still left out, not taken for a break.
TEST_F(ChartSeriesTest, PiecesBreakTheLineAndTheFillOnlyBetweenThem) {
    const CurvePieces line{
        {{10, 170}, {20, 179}}, {}, {{30, -179}, {40, std::nan("")}, {50, -170}}};
    const auto valuesOf = [](const QCPGraph& graph) {
        std::vector<double> values;
        for (auto it = graph.data()->constBegin(); it != graph.data()->constEnd(); ++it) {
            values.push_back(it->value);
        }
        return values;
    };
    const auto expectBrokenOnce = [&](const QCPGraph& graph, const std::vector<double>& shown) {
        EXPECT_EQ(keysOf(graph), (std::vector<double>{10, 20, 30, 30, 50}));
        const std::vector<double> values = valuesOf(graph);
        ASSERT_EQ(values.size(), 5u);
        EXPECT_TRUE(std::isnan(values[2]));
        EXPECT_EQ((std::vector<double>{values[0], values[1], values[3], values[4]}), shown);
    };

    addLineSeries(chart, "Reference", Qt::green);
    ChartSeries reference(chart, "Reference");
    reference.setPieces(line);
    expectBrokenOnce(reference.graph(), {170, 179, -179, -170});

    addBand(chart, "Tolerance", Qt::blue);
    ChartBand band(chart, "Tolerance");
    band.setPieces({{{10, 160}, {20, 175}}, {{30, -185}, {50, -175}}},
                   {{{10, 180}, {20, 185}}, {{30, -170}, {50, -165}}});
    expectBrokenOnce(band.lower(), {160, 175, -185, -175});
    expectBrokenOnce(band.upper(), {180, 185, -170, -165});
}

TEST(TimeChart, KeepsPointsAtAndBeforeTimeZeroOnALinearAxis) {
    QCustomPlot chart;
    chart.resize(339, 210);
    setUpHouseChart(chart, {"<Step>", KeyAxis::Time, nullptr, nullptr});
    addLineSeries(chart, "Step", Qt::black);
    ChartSeries step(chart, "Step");
    step.setPoints({{1e-3, 1}, {-1e-3, 0}, {0, 0}});
    EXPECT_EQ(chart.xAxis->scaleType(), QCPAxis::stLinear);
    EXPECT_EQ(keysOf(step.graph()), (std::vector<double>{-1e-3, 0, 1e-3}));
    // Widened about the middle: the same room before the first and after the last point.
    const QCPRange keys = chart.xAxis->range();
    EXPECT_LT(keys.lower, -1e-3);
    EXPECT_NEAR(keys.lower + keys.upper, 0, 1e-12);
}

// Where the series are peers, the range covers every one of them, whether a
// new hand-over or the user's reset sets it; points without a place stay out.
TEST(PeerSeriesChart, TheRangeCoversEverySeries) {
    QCustomPlot chart;
    chart.resize(339, 210);
    setUpHouseChart(chart, {"<Step>", KeyAxis::Time, nullptr, nullptr, RangeOver::AllSeries});
    QCPGraph& first = addLineSeries(chart, "First", Qt::black);
    QCPGraph& second = addLineSeries(chart, "Second", Qt::red);
    const QCPRange untouched = chart.yAxis->range();
    redraw(chart);
    EXPECT_EQ(chart.yAxis->range(), untouched);

    setSeriesPoints(first, {{0, 0}, {1e-3, 1}});
    setSeriesPoints(second, {{0, 0}, {2e-3, 1.2}, {3e-3, std::nan("")}});
    redraw(chart);
    EXPECT_EQ(second.dataCount(), 2);
    EXPECT_GT(chart.xAxis->range().upper, 2e-3);
    EXPECT_GT(chart.yAxis->range().upper, 1.2);

    chart.xAxis->setRange(0, 1e-4);
    ChartInteraction::of(chart)->resetRange();
    EXPECT_GT(chart.xAxis->range().upper, 2e-3);
}

}  // namespace
}  // namespace tessaron
