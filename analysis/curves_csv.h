// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>
#include <string>
#include <string_view>

#include "analysis/plot_series.h"

namespace tessaron {

inline constexpr std::string_view kCurvesCsvHeader = "frequency_hz,gain_db,phase_deg";

// The gain and phase points of one sweep as CSV: the header, then one row per
// point in sweep order, every line ending in '\n'. Numbers carry 17 significant
// digits, enough for every double to read back as the same bits, with a full
// stop whatever the locale. Throws std::invalid_argument when the two curves do
// not share their frequencies.
std::string curvesCsv(std::span<const PlotPoint> gain, std::span<const PlotPoint> phase);

}  // namespace tessaron
