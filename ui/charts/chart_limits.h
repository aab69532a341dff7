// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <qcustomplot.h>

#include <vector>

namespace tessaron {

// Where a curve may not go, seen from a corner of the chart: below a level up
// to a key (a pass band's floor) or above a level from a key on (a stop band's
// ceiling). The side away from the key and the level runs to the edge of the
// axis rect, whatever the zoom, since the limit holds that far.
enum class LimitCorner { LowerLeft, UpperRight };

struct ChartLimit {
    LimitCorner corner;
    double key;    // the edge, in the key axis' units
    double value;  // the level, in the value axis' units
};

// A grey box behind every series, on a layer of its own.
QCPItemRect& addLimitBox(QCustomPlot& chart, const ChartLimit& limit);

// The boxes added with addLimitBox, in the order added.
std::vector<QCPItemRect*> limitBoxes(const QCustomPlot& chart);

// Takes every limit box off; the chart is redrawn at the next replot.
void removeLimitBoxes(QCustomPlot& chart);

}  // namespace tessaron
