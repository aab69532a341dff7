#pragma once

#include <QColor>
#include <QString>
#include <cstddef>
#include <optional>
#include <vector>

#include "analysis/plot_series.h"

class QCustomPlot;
class QCPGraph;

namespace tessaron {

// Gives a chart of the form its look: the title at the top left, a logarithmic
// frequency axis, a linear value axis and one series of unconnected circles.
// Without a colour the series keeps the chart's default pen.
void setUpChart(QCustomPlot& chart, const QString& title, const QString& seriesName,
                std::optional<QColor> pointColour);

// The one series of a chart, as a design run fills it.
class ChartSeries : public PlotSeries {
  public:
    explicit ChartSeries(QCustomPlot& chart);

    void clear() override;
    // Points at or below 0 Hz have no place on the logarithmic axis and are left
    // out; the rest go to the chart in one hand-over, sorted by frequency.
    void setPoints(std::vector<PlotPoint> points) override;

    // Redraws a series that a run cleared but stopped before filling.
    void flush();

    // What the last run handed over, before leaving out any points.
    std::size_t producedCount() const { return produced_; }
    QCPGraph& graph() const { return *graph_; }

  private:
    void redraw();

    QCustomPlot& chart_;
    QCPGraph* graph_;
    std::size_t produced_ = 0;
    bool stale_ = false;
};

}  // namespace tessaron
