#pragma once

#include <qcustomplot.h>

#include <QColor>
#include <QLocale>
#include <QObject>
#include <QPixmap>
#include <QPointF>
#include <QString>
#include <cstddef>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "analysis/plot_series.h"

class QMenu;

namespace tessaron {

// What a chart plots against frequency; decides its title, point colour, value
// ticks and the unit of its readout.
enum class ChartQuantity { Gain, Phase };

// Gives a chart of the form its look: the title at the top left, a logarithmic
// frequency axis, a linear value axis, light grid lines and one series of
// unconnected circles (red for the gain; the phase keeps the chart's default
// pen). Also gives it its readout, zoom and context menu (ChartInteraction).
void setUpChart(QCustomPlot& chart, ChartQuantity quantity, const QString& seriesName);

// Scales both axes over the chart's points, with room at the edges so that
// points there stay whole; an empty chart keeps its range.
void autoScale(QCustomPlot& chart);

// Keeps the frequency axes of two charts on the same range, whichever of them
// the user zooms or pans, so that gain and phase stay aligned.
void linkFrequencyAxes(QCustomPlot& first, QCustomPlot& second);

// A number as engineers write frequencies: 10, 100, 1k, 10k, 1M; 0.5.
QString engineeringNumber(double value, const QLocale& locale);
// A frequency to three significant digits: "10.0 Hz", "1.00 kHz", "1.23 MHz".
QString frequencyText(double hertz, const QLocale& locale);
// What the readout shows for a point: "1.00 kHz, -3.01 dB" or "1.00 kHz, 90.00°".
QString readoutText(ChartQuantity quantity, double hertz, double value, const QLocale& locale);

// Decade ticks labelled 10, 100, 1k...; once the user zooms into less than two
// decades, ticks at 1-2-5 or every mantissa, and finally at linear steps, so
// that a zoomed axis still carries several labels.
class FrequencyTicker : public QCPAxisTickerLog {
  public:
    FrequencyTicker() = default;

  protected:
    QString getTickLabel(double tick, const QLocale& locale, QChar formatChar,
                         int precision) override;
    QVector<double> createTickVector(double tickStep, const QCPRange& range) override;
    int getSubTickCount(double tickStep) override;
    QVector<double> createSubTickVector(int subTickCount, const QVector<double>& ticks) override;

  private:
    enum class Spacing { Decades, OneTwoFive, EveryMantissa, Linear };
    Spacing spacing_ = Spacing::Decades;
};

// Value ticks on steps that mean something for the quantity: multiples of 20 dB
// (the slope of one pole per decade) or of 45° and 90° (where the phase of a
// filter has its landmarks). A range too short for any of them gets ordinary
// steps.
class PreferredStepTicker : public QCPAxisTicker {
  public:
    struct Step {
        double size;
        int subTicks;
    };
    explicit PreferredStepTicker(std::vector<Step> steps) : steps_(std::move(steps)) {}

    static QSharedPointer<PreferredStepTicker> forQuantity(ChartQuantity quantity);

  protected:
    double getTickStep(const QCPRange& range) override;
    int getSubTickCount(double tickStep) override;

  private:
    std::vector<Step> steps_;
    std::optional<Step> chosen_;
};

// What the user does with a chart: hovering shows the point nearest in
// frequency, the wheel and dragging zoom and pan the frequency axis, a double
// click returns to the automatic range, the context menu copies the chart as a
// picture. Owned by its chart.
class ChartInteraction : public QObject {
    Q_OBJECT

  public:
    ChartInteraction(QCustomPlot& chart, ChartQuantity quantity);

    // The one set up for a chart by setUpChart, or null.
    static ChartInteraction* of(const QCustomPlot& chart);

    bool readoutShown() const;
    QString readoutText() const;

    // Reads the point under the mouse again, after the points or the range
    // changed beneath it.
    void refreshReadout();

    // Back to the range that covers all points.
    void resetRange();
    // The chart as the user sees it, without the readout, at the screen's
    // pixel density.
    QPixmap picture();
    void copyPicture();
    // The context menu, for the caller to show and delete.
    QMenu* createContextMenu(QWidget* parent);
    // Items the window adds below the chart's own, each time the menu opens.
    void addMenuItems(std::function<void(QMenu&)> items);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void placeReadout();
    void hideReadout();

    QCustomPlot& chart_;
    ChartQuantity quantity_;
    QCPLayer* layer_;
    QCPItemTracer* tracer_;
    QCPItemText* label_;
    // The mouse is over the chart, at lastPosition_; the readout may still be
    // hidden, with no point there to read.
    bool hovering_ = false;
    QPointF lastPosition_;
    std::vector<std::function<void(QMenu&)>> menuItems_;
};

// Keeps the readout out of what a chart draws while a picture of it is taken.
class ReadoutHidden {
  public:
    explicit ReadoutHidden(const QCustomPlot& chart);
    ~ReadoutHidden();
    ReadoutHidden(const ReadoutHidden&) = delete;
    ReadoutHidden& operator=(const ReadoutHidden&) = delete;

  private:
    QCPLayer* layer_;
    bool wasVisible_;
};

// The one series of a chart, as a design run fills it.
class ChartSeries : public PlotSeries {
  public:
    explicit ChartSeries(QCustomPlot& chart);

    // Redraws a series that a run cleared but stopped before filling.
    void flush();

    // What the last run handed over, in its order, before leaving out any
    // points: what an export of the curves writes.
    const std::vector<PlotPoint>& points() const { return points_; }
    std::size_t producedCount() const { return points_.size(); }
    QCPGraph& graph() const { return *graph_; }

  private:
    void doClear() override;
    // Points at or below 0 Hz have no place on the logarithmic axis and are left
    // out; the rest go to the chart in one hand-over, sorted by frequency. The
    // axes scale to the new points, whatever the user zoomed to before.
    void doSetPoints(std::vector<PlotPoint> points) override;
    void redraw();

    QCustomPlot& chart_;
    QCPGraph* graph_;
    std::vector<PlotPoint> points_;
    bool stale_ = false;
};

}  // namespace tessaron
