// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

class QCustomPlot;

namespace tessaron {

enum class ChartFormat { Svg, Pdf, Png };

// The chart as the user sees it, without the readout, as the bytes of a file:
// SVG and PDF drawn as vectors at the on-screen size (a pixel becomes a point
// in the PDF), PNG with `scale` times as many pixels each way.
QByteArray chartFileBytes(QCustomPlot& chart, ChartFormat format, int scale = 1);

}  // namespace tessaron
