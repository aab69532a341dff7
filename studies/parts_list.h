// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "studies/designators.h"
#include "studies/shown_values.h"

namespace tessaron {

// A line of the list one orders from: every part of one kind with the same
// value, series and tolerance, or all the op-amps.
struct PartsListRow {
    std::vector<std::string> designators;  // in cascade order
    DesignatorKind kind;
    std::string valueText;            // "10 kΩ"; empty for op-amps
    std::optional<double> value;      // Ω, F or H; empty for op-amps and parts without one
    std::optional<Series> series;     // empty for op-amps
    std::optional<double> tolerance;  // relative, 0.01 is ±1 %; empty for op-amps

    int quantity() const { return static_cast<int>(designators.size()); }
};

// Resistors, capacitors, inductors, then op-amps; each kind by ascending
// value, the parts without a value after the others.
std::vector<PartsListRow> partsList(std::span<const ShownPart> parts,
                                    const CircuitDesignators& designators,
                                    ToleranceChoice tolerances);

inline constexpr std::string_view kPartsListHeader =
    "Designators,Quantity,Value,Value (SI),Series,Tolerance (%),Kind";

// The header and one line per row, UTF-8, "\n" line ends, full stops for
// decimals whatever the locale, and fields holding commas or quotes quoted.
// Values are the shortest text that reads back to the same double.
std::string partsListCsv(std::span<const PartsListRow> rows);

}  // namespace tessaron
