// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <qcustomplot.h>

#include <QColor>
#include <QString>
#include <cstddef>
#include <optional>
#include <vector>

#include "analysis/plot_series.h"

namespace tessaron {

// A chart's series are its graphs, told apart by name. The first one added (the
// design's points) is the one the readout reads and the range follows; the
// others (reference curves, bands) are drawn within that range, and can come
// and go without moving it.

// A curve in pieces, in ascending order of frequency: the chart does not join
// the end of one piece to the start of the next (where a displayed phase
// wraps, say).
using CurvePieces = std::vector<std::vector<PlotPoint>>;

// The series named `name`, or null.
QCPGraph* findSeries(const QCustomPlot& chart, const QString& name);

// Unconnected circles, as a design's points are drawn; `colour` defaults to the
// chart's own default series colour.
QCPGraph& addPointSeries(QCustomPlot& chart, const QString& name,
                         std::optional<QColor> colour = std::nullopt);

// A connected line, for a reference curve beside the points.
QCPGraph& addLineSeries(QCustomPlot& chart, const QString& name, const QColor& colour);

// A band between a lower and an upper curve, filled in a light shade of
// `colour` and drawn behind every other series. The series named `name` is
// its upper edge; its lower edge goes with it.
QCPGraph& addBand(QCustomPlot& chart, const QString& name, const QColor& colour);

// Removes the named series (a band with both its edges) and returns whether
// there was one. The chart is redrawn at the next replot.
bool removeSeries(QCustomPlot& chart, const QString& name);

// Hands `graph` the points as ChartSeries does, leaving out those that have no
// place, but without redrawing: for a chart given several series at once and
// redrawn once after them.
void setSeriesPoints(QCPGraph& graph, const std::vector<PlotPoint>& points);

// Shows the chart's series as they are now: the range set by autoScale, the
// readout read again, the chart replotted.
void redraw(QCustomPlot& chart);

// A named series as a sweep or a study fills it.
class ChartSeries : public PlotSeries {
  public:
    // The chart must have a series of that name.
    ChartSeries(QCustomPlot& chart, const QString& name);

    // A line series in pieces, each filtered as a run's points are.
    void setPieces(const CurvePieces& pieces);

    // Redraws a series that a run cleared but stopped before filling.
    void flush();

    // What the last run handed over, in its order, before leaving out any
    // points: what an export of the curves writes.
    const std::vector<PlotPoint>& points() const { return points_; }
    std::size_t producedCount() const { return points_.size(); }
    QCPGraph& graph() const { return *graph_; }

  private:
    void doClear() override;
    // Points with a value or key that is not finite, and on a frequency axis
    // points at or below 0 Hz, have no place and are left out; the rest go to
    // the chart in one hand-over, sorted by key. Handed to the chart's first
    // series, they set the axes' range, whatever the user zoomed to before.
    void doSetPoints(std::vector<PlotPoint> points) override;

    QCustomPlot& chart_;
    QCPGraph* graph_;
    std::vector<PlotPoint> points_;
    bool stale_ = false;
};

// A band added with addBand, as a study fills it: both edges in one hand-over.
class ChartBand {
  public:
    // The chart must have a band of that name.
    ChartBand(QCustomPlot& chart, const QString& name);

    void clear();
    void setPoints(std::vector<PlotPoint> lower, std::vector<PlotPoint> upper);
    // Edges in pieces; the fill breaks where they do.
    void setPieces(const CurvePieces& lower, const CurvePieces& upper);

    QCPGraph& upper() const { return *upper_; }
    QCPGraph& lower() const { return *lower_; }

  private:
    QCustomPlot& chart_;
    QCPGraph* upper_;
    QCPGraph* lower_;
};

}  // namespace tessaron
