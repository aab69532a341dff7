// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/design_parts.h"
#include "studies/standard_build.h"

namespace tessaron {

// A part as the drawing and the parts list show it: the value it is built
// with (a series value, the design's own kept exactly, or the fault that left
// it without one), the series it came from and its kind.
struct ShownPart {
    RoundedValue value;
    Series series;
    PartKind kind;
};

// Every part at the design's own values, in the order of the design's values.
std::vector<ShownPart> exactParts(const DesignParts& design);

// Every part at the value chosen for it, in the same order.
std::vector<ShownPart> chosenParts(const StandardBuild& build, SeriesChoice series);

// "10 kΩ", "5.63928 nF", or "cannot be rounded: is zero".
std::string valueText(const ShownPart& part, std::string_view decimalSeparator = ".");

// The values as numbers, 0 where there is none.
std::vector<double> valuesOf(std::span<const ShownPart> parts);

}  // namespace tessaron
