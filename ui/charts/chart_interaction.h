// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <qcustomplot.h>

#include <QLocale>
#include <QObject>
#include <QPixmap>
#include <QPointF>
#include <QString>
#include <functional>

namespace tessaron {

// What the readout shows for the point under the mouse: its key and its value.
using ReadoutFormat = std::function<QString(double key, double value, const QLocale& locale)>;

// What the user does with a chart: hovering shows the point of its first
// series nearest in key (frequency or time), the wheel and dragging zoom and
// pan the key axis, a double click returns to the automatic range, the context
// menu copies the chart as a picture or resets the zoom, followed by whatever
// addContextMenuItems adds. Owned by its chart.
class ChartInteraction : public QObject {
    Q_OBJECT

  public:
    ChartInteraction(QCustomPlot& chart, ReadoutFormat readout);

    // The one set up for a chart, or null.
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

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void placeReadout();
    void hideReadout();

    QCustomPlot& chart_;
    ReadoutFormat readout_;
    QCPLayer* layer_;
    QCPItemTracer* tracer_;
    QCPItemText* label_;
    // The mouse is over the chart, at lastPosition_; the readout may still be
    // hidden, with no point there to read.
    bool hovering_ = false;
    QPointF lastPosition_;
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

}  // namespace tessaron
