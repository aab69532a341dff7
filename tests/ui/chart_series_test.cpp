#include <gtest/gtest.h>

#include <qcustomplot.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "ui/chart.h"

namespace tessaron {
namespace {

class ChartSeriesTest : public ::testing::Test {
  protected:
    static QCustomPlot& gainChart(QCustomPlot& chart) {
        chart.resize(339, 210);
        setUpChart(chart, ChartQuantity::Gain, "Series1");
        return chart;
    }
    std::vector<double> keys() const {
        std::vector<double> result;
        for (auto it = series.graph().data()->constBegin(); it != series.graph().data()->constEnd();
             ++it) {
            result.push_back(it->key);
        }
        return result;
    }

    QCustomPlot chart;
    ChartSeries series{gainChart(chart)};
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

}  // namespace
}  // namespace tessaron
