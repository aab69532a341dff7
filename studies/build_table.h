// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "studies/band_summary.h"
#include "studies/designators.h"
#include "studies/standard_build.h"

namespace tessaron {

// One line of the Build window's table: a part of a stage, or one of the
// stage's figures ("fn", "Q"), exact beside standard.
struct BuildTableRow {
    std::string stage;  // "Unit 0"
    std::string item;   // "R1", "fn", "Q"
    std::string exact;
    std::string standard;   // the chosen value, or why there is none
    std::string deviation;  // "+1.23 %", empty where there is nothing to compare
};

inline constexpr std::array<std::string_view, 5> kBuildTableHeader{"Stage", "Part", "Exact",
                                                                   "Standard", "Deviation"};

// Each stage's parts in the report's order, then its natural frequency and Q.
// With `designators` (one per part, in the design's order) a part is named
// by its designator across the cascade before the report's name, "R5 (R1)",
// so the table reads beside the drawing and the parts list.
std::vector<BuildTableRow> buildTableRows(const StandardBuild& build,
                                          std::string_view decimalSeparator,
                                          std::span<const Designator> designators = {});

// "-3 dB: exact 1 kHz, standard 1.01 kHz, trials 985 Hz to 1.03 kHz. Largest
// passband gain deviation: standard 0.05 dB, worst trial 0.41 dB." Without a
// band (`withTrials` false) the trials' parts are left out.
std::string bandSummaryText(const BandSummary& summary, bool withTrials,
                            std::string_view decimalSeparator);

// The header, the rows and the summary as tab-separated lines, which a
// spreadsheet pastes into cells.
std::string tabSeparatedTable(const std::vector<BuildTableRow>& rows, std::string_view summary);

}  // namespace tessaron
