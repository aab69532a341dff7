// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "studies/band_summary.h"
#include "studies/designators.h"
#include "studies/opamp_build.h"
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
// With the real op-amp's rows of the stages (opAmpStageRows) each stage
// goes on with its fn and Q with that op-amp ("fn, real op-amp", "Q, real
// op-amp") and the GBW it needs ("minimum GBW"), exact beside standard;
// without them the table is the ideal op-amp's alone.
// With `designators` (one per part, in the design's order) a part is named
// by its designator across the cascade before the report's name, "R5 (R1)",
// so the table reads beside the drawing and the parts list.
std::vector<BuildTableRow> buildTableRows(const StandardBuild& build,
                                          std::string_view decimalSeparator,
                                          std::span<const OpAmpStageRow> opAmp = {},
                                          std::span<const Designator> designators = {});

// "1.72 MHz", "more than 100 GHz", or "n/a" where there is no minimum.
std::string minimumGbwText(const std::optional<MinimumGbw>& minimum,
                           std::string_view decimalSeparator);

// What the summary adds for the real op-amp, from the standard values:
// "Op-amp: GBW 1 MHz, A0 100 dB. Most GBW needed: Unit 3, 1.72 MHz, more
// than the op-amp's." Empty without rows.
std::string opAmpSummaryText(std::span<const OpAmpStageRow> rows, const OpAmpModel& opAmp,
                             std::string_view decimalSeparator);

// "-3 dB: exact 1 kHz, standard 1.01 kHz, trials 985 Hz to 1.03 kHz. Largest
// passband gain deviation: standard 0.05 dB, worst trial 0.41 dB." Without a
// band (`withTrials` false) the trials' parts are left out.
std::string bandSummaryText(const BandSummary& summary, bool withTrials,
                            std::string_view decimalSeparator);

// The header, the rows and the summary as tab-separated lines, which a
// spreadsheet pastes into cells.
std::string tabSeparatedTable(const std::vector<BuildTableRow>& rows, std::string_view summary);

}  // namespace tessaron
