// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "studies/designators.h"
#include "studies/part_sensitivity.h"
#include "studies/shown_values.h"

namespace tessaron {

inline constexpr std::array<std::string_view, 6> kSensitivityTableHeader{
    "Part", "Stage", "Value", "S fn", "S Q", "Band share"};

// A cell as shown, and the number it sorts by: the part's place in the
// cascade, the stage, the value in Ω, F or H (0 without one), the
// sensitivity, the share (0 to 1).
struct SensitivityCell {
    std::string text;
    double key;
};

struct SensitivityTableRow {
    std::size_t part;  // its place among the design's values
    std::array<SensitivityCell, kSensitivityTableHeader.size()> cells;
};

// One row per part that has sensitivities, named "R5 (R1)" as the build
// table names it, in the order of what matters most to the band (sortKey).
// `parts` and `designators` one per value of the design.
std::vector<SensitivityTableRow> sensitivityTableRows(const Sensitivities& sensitivities,
                                                      std::span<const ShownPart> parts,
                                                      std::span<const Designator> designators,
                                                      std::string_view decimalSeparator);

// "Q moves most with C2 (Unit 0 C2): S Q -0.500."; empty without rows.
std::string qualityMoverText(const Sensitivities& sensitivities,
                             std::span<const Designator> designators,
                             std::string_view decimalSeparator);

}  // namespace tessaron
