// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/charts/chart_limits.h"

#include <gtest/gtest.h>

#include <qcustomplot.h>

#include "ui/charts/chart_style.h"

namespace tessaron {
namespace {

// A floor runs from the left edge to its key and from its level to the
// bottom, a ceiling from its key to the right edge and from its level to the
// top, whatever the zoom.
TEST(ChartLimits, BoxesRunFromTheLimitToTheEdges) {
    QCustomPlot chart;
    chart.resize(400, 300);
    setUpChart(chart, ChartQuantity::Gain, "Series1");
    addLimitBox(chart, {LimitCorner::LowerLeft, 1000, -1});
    addLimitBox(chart, {LimitCorner::UpperRight, 4000, -40});
    chart.xAxis->setRange(100, 1e4);
    chart.yAxis->setRange(-100, 5);
    chart.replot();
    const QRect edge = chart.axisRect()->rect();
    const auto boxes = limitBoxes(chart);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0]->topLeft->pixelPosition(),
              QPointF(edge.left(), chart.yAxis->coordToPixel(-1)));
    EXPECT_EQ(boxes[0]->bottomRight->pixelPosition(),
              QPointF(chart.xAxis->coordToPixel(1000), edge.top() + edge.height()));
    EXPECT_EQ(boxes[1]->topLeft->pixelPosition(),
              QPointF(chart.xAxis->coordToPixel(4000), edge.top()));
    EXPECT_EQ(boxes[1]->bottomRight->pixelPosition(),
              QPointF(edge.left() + edge.width(), chart.yAxis->coordToPixel(-40)));
    removeLimitBoxes(chart);
    EXPECT_TRUE(limitBoxes(chart).empty());
}

}  // namespace
}  // namespace tessaron
