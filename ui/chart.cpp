#include "ui/chart.h"

#include <qcustomplot.h>

#include <algorithm>
#include <cmath>

namespace tessaron {

namespace {

// The chart's margins, in percent of its size.
constexpr int kMarginLeftPercent = 1;
constexpr int kMarginTopPercent = 2;
constexpr int kMarginRightPercent = 2;
constexpr int kMarginBottomPercent = 1;

// Widening of the automatic ranges so that points on the edges stay whole.
constexpr double kKeyRangeWidening = 1.04;
constexpr double kValueRangeWidening = 1.08;

constexpr double kPointSize = 3.0;
constexpr int kAxisLabelPixels = 9;

int percentOf(int length, int percent) {
    return (length * percent + 50) / 100;
}

}  // namespace

void setUpChart(QCustomPlot& chart, const QString& title, const QString& seriesName,
                std::optional<QColor> pointColour) {
    chart.setBackground(Qt::white);
    chart.setInteractions({});
    chart.legend->setVisible(false);
    chart.plotLayout()->setMargins(QMargins(percentOf(chart.width(), kMarginLeftPercent),
                                            percentOf(chart.height(), kMarginTopPercent),
                                            percentOf(chart.width(), kMarginRightPercent),
                                            percentOf(chart.height(), kMarginBottomPercent)));

    QFont titleFont = chart.font();
    auto* titleElement = new QCPTextElement(&chart, title, titleFont);
    titleElement->setTextColor(Qt::black);
    titleElement->setTextFlags(Qt::AlignLeft | Qt::AlignVCenter);
    titleElement->setMargins(QMargins(2, 0, 0, 0));
    chart.plotLayout()->insertRow(0);
    chart.plotLayout()->addElement(0, 0, titleElement);

    QFont labelFont = chart.font();
    labelFont.setPixelSize(kAxisLabelPixels);
    for (QCPAxis* axis : {chart.xAxis, chart.yAxis}) {
        axis->setTickLabelFont(labelFont);
    }
    chart.xAxis->setScaleType(QCPAxis::stLogarithmic);
    chart.xAxis->setTicker(QSharedPointer<QCPAxisTickerLog>::create());
    chart.xAxis->setNumberFormat("eb");
    chart.xAxis->setNumberPrecision(0);
    chart.xAxis->setRange(1.0, 1000.0);
    chart.axisRect()->setBackground(Qt::white);

    QCPGraph* graph = chart.addGraph();
    graph->setName(seriesName);
    graph->setLineStyle(QCPGraph::lsNone);
    graph->setSelectable(QCP::stNone);
    graph->removeFromLegend();
    const QColor colour = pointColour.value_or(graph->pen().color());
    if (pointColour) {
        graph->setPen(QPen(colour));
    }
    graph->setScatterStyle(
        QCPScatterStyle(QCPScatterStyle::ssCircle, QPen(colour), QBrush(colour), kPointSize));
}

ChartSeries::ChartSeries(QCustomPlot& chart) : chart_(chart), graph_(chart.graph(0)) {}

void ChartSeries::clear() {
    graph_->data()->clear();
    produced_ = 0;
    stale_ = true;
}

void ChartSeries::setPoints(std::vector<PlotPoint> points) {
    produced_ = points.size();
    QVector<QCPGraphData> data;
    data.reserve(static_cast<qsizetype>(points.size()));
    for (const PlotPoint& point : points) {
        if (point.x > 0.0) {
            data.append(QCPGraphData(point.x, point.y));
        }
    }
    const auto byFrequency = [](const QCPGraphData& a, const QCPGraphData& b) {
        return a.key < b.key;
    };
    if (!std::is_sorted(data.cbegin(), data.cend(), byFrequency)) {
        std::stable_sort(data.begin(), data.end(), byFrequency);
    }
    graph_->data()->set(data, true);
    redraw();
}

void ChartSeries::flush() {
    if (stale_) {
        redraw();
    }
}

void ChartSeries::redraw() {
    if (!graph_->data()->isEmpty()) {
        graph_->rescaleAxes();
        graph_->keyAxis()->scaleRange(kKeyRangeWidening);
        graph_->valueAxis()->scaleRange(kValueRangeWidening);
    }
    chart_.replot();
    stale_ = false;
}

}  // namespace tessaron
