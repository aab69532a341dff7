#pragma once

#include <QByteArray>
#include <array>

#include "ui/save_target.h"

class QCustomPlot;

namespace tessaron {

enum class ChartFormat { Svg, Pdf, Png };

// One way "Save Chart As…" writes a chart.
struct ChartFileType {
    SaveFileType file;
    ChartFormat format;
    int scale;  // times the on-screen size, for PNG
};

// What "Save Chart As…" offers, in the order of the dialog's filters.
const std::array<ChartFileType, 5>& chartFileTypes();

// The chart as the user sees it, without the readout, as the bytes of a file:
// SVG and PDF drawn as vectors at the on-screen size (a pixel becomes a point
// in the PDF), PNG with `scale` times as many pixels each way.
QByteArray chartFileBytes(QCustomPlot& chart, ChartFormat format, int scale = 1);

}  // namespace tessaron
