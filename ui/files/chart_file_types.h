// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

#include "ui/charts/chart_export.h"
#include "ui/files/save_target.h"

namespace tessaron {

// One way "Save Chart As…" writes a chart.
struct ChartFileType {
    SaveFileType file;
    ChartFormat format;
    int scale;  // times the on-screen size, for PNG
};

// What "Save Chart As…" offers, in the order of the dialog's filters.
const std::array<ChartFileType, 5>& chartFileTypes();

}  // namespace tessaron
