// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/shown_values.h"

#include "studies/engineering_text.h"

namespace tessaron {

std::vector<ShownPart> exactParts(const DesignParts& design) {
    const std::span<const PartSpec> specs = partSpecs(design.topology);
    std::vector<ShownPart> parts;
    parts.reserve(design.values.size());
    for (std::size_t i = 0; i < design.values.size(); ++i) {
        parts.push_back({nearestStandardValue(design.values[i], Series::Exact), Series::Exact,
                         specs[i % specs.size()].kind});
    }
    return parts;
}

std::vector<ShownPart> chosenParts(const StandardBuild& build, SeriesChoice series) {
    std::vector<ShownPart> parts;
    parts.reserve(build.parts.size());
    for (const PartRow& row : build.parts) {
        parts.push_back({row.chosen, series.of(row.part.kind), row.part.kind});
    }
    return parts;
}

std::string valueText(const ShownPart& part, std::string_view decimalSeparator) {
    if (part.value.fault != ValueFault::None) {
        return "cannot be rounded: " + std::string(faultText(part.value.fault));
    }
    return engineeringText(part.value.standard, unitSymbol(part.kind), decimalSeparator);
}

std::vector<double> valuesOf(std::span<const ShownPart> parts) {
    std::vector<double> values;
    values.reserve(parts.size());
    for (const ShownPart& part : parts) {
        values.push_back(part.value.standard.value);
    }
    return values;
}

}  // namespace tessaron
