// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <qcustomplot.h>

#include <QSharedPointer>
#include <QString>
#include <optional>

#include "ui/charts/chart_interaction.h"
#include "ui/charts/chart_quantity.h"

namespace tessaron {

// How a chart's keys run: frequency in hertz on a logarithmic axis, as on the
// tabs, or time in seconds on a linear one.
enum class KeyAxis { Frequency, Time };

// What the automatic range covers: the first series alone, as on a tab, where
// further series (references, bands) are drawn within the design's range; or
// every series, where they are peers, such as one family beside another.
enum class RangeOver { FirstSeries, AllSeries };

// What sets one chart of the house apart from another.
struct ChartLook {
    QString title;
    KeyAxis keys = KeyAxis::Frequency;
    // Null for evenly spaced ticks.
    QSharedPointer<QCPAxisTicker> valueTicker;
    ReadoutFormat readout;
    RangeOver range = RangeOver::FirstSeries;
};

// Gives a chart the house look: white, the title at the top left in the
// chart's font, small tick labels, light grid lines, the margins of the form,
// no legend; and the house behaviour of ChartInteraction (readout, zoom and pan
// of the key axis, copy menu). Series are added afterwards (chart_series.h).
void setUpHouseChart(QCustomPlot& chart, const ChartLook& look);

// A tab's gain or phase chart: its title, the frequency axis, the quantity's
// value ticks and readout.
ChartLook frequencyChartLook(ChartQuantity quantity);

// A tab's chart as the form has it: the house chart of its quantity with the
// design's series of unconnected circles (red for the gain; the phase keeps the
// chart's default colour) named `seriesName`.
void setUpChart(QCustomPlot& chart, ChartQuantity quantity, const QString& seriesName);

// Scales both axes over the points of the chart's first series (the design's),
// with room at the edges so that points there stay whole; further series are
// drawn within that range. A chart whose first series is empty keeps its range.
// A chart whose look ranges over all series scales over all of them instead,
// and keeps its range only when none has a point.
void autoScale(QCustomPlot& chart);

// The value below which autoScale never ranges, wherever the series go: for
// curves that fall far below what is read on them. None by default.
void setLowestAutoValue(QCustomPlot& chart, std::optional<double> lowest);

// Keeps the key axes of two charts on the same range, whichever of them the
// user zooms or pans, so that for instance gain and phase stay aligned.
void linkKeyAxes(QCustomPlot& first, QCustomPlot& second);

}  // namespace tessaron
