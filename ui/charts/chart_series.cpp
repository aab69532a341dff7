// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/charts/chart_series.h"

#include <QBrush>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <utility>

#include "ui/charts/chart_interaction.h"
#include "ui/charts/chart_style.h"

namespace tessaron {

namespace {

constexpr double kPointSize = 3.0;
// Bands lie on a layer of their own below the other series.
const char* const kBandLayer = "bands";
// How much of the band's colour its filling keeps (of 255).
constexpr int kBandFillAlpha = 60;

// A series of points drawn as small dots. The raster engine draws an
// ellipse directly only when its rectangle lies on whole pixels, and through
// a path (stroked and filled, many times slower) otherwise: a design's 10,000
// points were most of a replot. Each dot is put on the nearest whole pixel,
// which moves none by more than half a pixel; vector output keeps the exact
// places.
class PointGraph : public QCPGraph {
  public:
    using QCPGraph::QCPGraph;

  protected:
    void drawScatterPlot(QCPPainter* painter, const QVector<QPointF>& scatters,
                         const QCPScatterStyle& style) const override {
        const double size = style.size();
        if (style.shape() != QCPScatterStyle::ssCircle || size != std::round(size) ||
            painter->modes().testFlag(QCPPainter::pmVectorized)) {
            QCPGraph::drawScatterPlot(painter, scatters, style);
            return;
        }
        applyScattersAntialiasingHint(painter);
        style.applyTo(painter, mPen);
        const double half = size / 2;
        for (const QPointF& point : scatters) {
            painter->drawEllipse(
                QRectF(std::round(point.x() - half), std::round(point.y() - half), size, size));
        }
    }
};

QCPGraph& addSeries(QCustomPlot& chart, const QString& name, bool points = false) {
    QCPGraph* graph = points ? new PointGraph(chart.xAxis, chart.yAxis) : chart.addGraph();
    graph->setName(name);
    graph->setSelectable(QCP::stNone);
    graph->removeFromLegend();
    return *graph;
}

QCPGraph& seriesNamed(const QCustomPlot& chart, const QString& name) {
    QCPGraph* graph = findSeries(chart, name);
    if (graph == nullptr) {
        throw std::invalid_argument("The chart has no series " + name.toStdString());
    }
    return *graph;
}

// The points as the chart keeps them: sorted by key, finite, and on a
// logarithmic key axis without the keys it cannot show.
QVector<QCPGraphData> graphData(const QCPGraph& graph, const std::vector<PlotPoint>& points) {
    const bool positiveKeysOnly = graph.keyAxis()->scaleType() == QCPAxis::stLogarithmic;
    // Written through a pointer and cut to size once: appending point by point
    // checked the vector's sharing and room 10,000 times a "Calc".
    QVector<QCPGraphData> data(static_cast<qsizetype>(points.size()));
    QCPGraphData* kept = data.data();
    for (const PlotPoint& point : points) {
        if (std::isfinite(point.x) && std::isfinite(point.y) &&
            (!positiveKeysOnly || point.x > 0.0)) {
            *kept++ = QCPGraphData(point.x, point.y);
        }
    }
    data.resize(kept - data.data());
    const auto byKey = [](const QCPGraphData& a, const QCPGraphData& b) { return a.key < b.key; };
    if (!std::is_sorted(data.cbegin(), data.cend(), byKey)) {
        std::stable_sort(data.begin(), data.end(), byKey);
    }
    return data;
}

// The pieces as graphData keeps each, with a point without a value between two
// of them: the one place a line or a fill is broken on purpose.
QVector<QCPGraphData> piecewiseData(const QCPGraph& graph, const CurvePieces& pieces) {
    QVector<QCPGraphData> data;
    for (const std::vector<PlotPoint>& piece : pieces) {
        const QVector<QCPGraphData> part = graphData(graph, piece);
        if (part.isEmpty()) {
            continue;
        }
        if (!data.isEmpty()) {
            data.append(QCPGraphData(part.front().key, std::numeric_limits<double>::quiet_NaN()));
        }
        data.append(part);
    }
    return data;
}

void replotReading(QCustomPlot& chart) {
    if (ChartInteraction* interaction = ChartInteraction::of(chart)) {
        // A readout left up over the old points would read them still.
        interaction->refreshReadout();
    }
    chart.replot();
}

// After `changed` got new points. Only the first series moves the range.
void redraw(QCustomPlot& chart, const QCPGraph& changed) {
    if (chart.graph(0) == &changed) {
        autoScale(chart);
    }
    replotReading(chart);
}

}  // namespace

void setSeriesPoints(QCPGraph& graph, const std::vector<PlotPoint>& points) {
    graph.data()->set(graphData(graph, points), true);
}

void redraw(QCustomPlot& chart) {
    autoScale(chart);
    replotReading(chart);
}

QCPGraph* findSeries(const QCustomPlot& chart, const QString& name) {
    for (int i = 0; i < chart.graphCount(); ++i) {
        if (chart.graph(i)->name() == name) {
            return chart.graph(i);
        }
    }
    return nullptr;
}

QCPGraph& addPointSeries(QCustomPlot& chart, const QString& name, std::optional<QColor> colour) {
    QCPGraph& graph = addSeries(chart, name, true);
    const QColor shown = colour.value_or(graph.pen().color());
    graph.setPen(QPen(shown));
    graph.setLineStyle(QCPGraph::lsNone);
    graph.setScatterStyle(
        QCPScatterStyle(QCPScatterStyle::ssCircle, QPen(shown), QBrush(shown), kPointSize));
    return graph;
}

QCPGraph& addLineSeries(QCustomPlot& chart, const QString& name, const QColor& colour) {
    QCPGraph& graph = addSeries(chart, name);
    graph.setPen(QPen(colour, 1.5));
    graph.setLineStyle(QCPGraph::lsLine);
    return graph;
}

QCPGraph& addBand(QCustomPlot& chart, const QString& name, const QColor& colour) {
    if (chart.layer(kBandLayer) == nullptr) {
        chart.addLayer(kBandLayer, chart.layer("main"), QCustomPlot::limBelow);
    }
    QColor fill = colour;
    fill.setAlpha(kBandFillAlpha);
    // The lower edge has no name: it is found through the upper one.
    QCPGraph& lower = addSeries(chart, QString());
    QCPGraph& upper = addSeries(chart, name);
    for (QCPGraph* graph : {&lower, &upper}) {
        graph->setLayer(kBandLayer);
        graph->setPen(QPen(colour, 0));
        graph->setLineStyle(QCPGraph::lsLine);
    }
    upper.setBrush(fill);
    upper.setChannelFillGraph(&lower);
    return upper;
}

bool removeSeries(QCustomPlot& chart, const QString& name) {
    QCPGraph* graph = findSeries(chart, name);
    if (graph == nullptr) {
        return false;
    }
    if (QCPGraph* lower = graph->channelFillGraph()) {
        chart.removeGraph(lower);
    }
    chart.removeGraph(graph);
    return true;
}

// ChartSeries

ChartSeries::ChartSeries(QCustomPlot& chart, const QString& name)
    : chart_(chart), graph_(&seriesNamed(chart, name)) {}

void ChartSeries::doClear() {
    graph_->data()->clear();
    points_.clear();
    stale_ = true;
}

void ChartSeries::doSetPoints(std::vector<PlotPoint> points) {
    setSeriesPoints(*graph_, points);
    points_ = std::move(points);
    redraw(chart_, *graph_);
    stale_ = false;
}

void ChartSeries::setPieces(const CurvePieces& pieces) {
    graph_->data()->set(piecewiseData(*graph_, pieces), true);
    points_.clear();
    for (const std::vector<PlotPoint>& piece : pieces) {
        points_.insert(points_.end(), piece.begin(), piece.end());
    }
    redraw(chart_, *graph_);
    stale_ = false;
}

void ChartSeries::flush() {
    if (stale_) {
        redraw(chart_, *graph_);
        stale_ = false;
    }
}

// ChartBand

ChartBand::ChartBand(QCustomPlot& chart, const QString& name)
    : chart_(chart), upper_(&seriesNamed(chart, name)), lower_(upper_->channelFillGraph()) {
    if (lower_ == nullptr) {
        throw std::invalid_argument("The series " + name.toStdString() + " is not a band");
    }
}

void ChartBand::clear() {
    upper_->data()->clear();
    lower_->data()->clear();
    chart_.replot();
}

void ChartBand::setPoints(std::vector<PlotPoint> lower, std::vector<PlotPoint> upper) {
    setPieces(CurvePieces{std::move(lower)}, CurvePieces{std::move(upper)});
}

void ChartBand::setPieces(const CurvePieces& lower, const CurvePieces& upper) {
    lower_->data()->set(piecewiseData(*lower_, lower), true);
    upper_->data()->set(piecewiseData(*upper_, upper), true);
    redraw(chart_, *upper_);
}

}  // namespace tessaron
