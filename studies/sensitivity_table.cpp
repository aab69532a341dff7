// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/sensitivity_table.h"

#include <algorithm>
#include <cmath>

#include "studies/printed_text.h"

namespace tessaron {
namespace {

// Three decimals tell a part that matters from one that does not; what
// rounds to nothing is shown as nothing rather than "-0.000".
std::string sensitivityText(double s, std::string_view decimalSeparator) {
    return printed(decimalSeparator, "%.3f", std::abs(s) < 5e-4 ? 0.0 : s);
}

}  // namespace

std::vector<SensitivityTableRow> sensitivityTableRows(const Sensitivities& sensitivities,
                                                      std::span<const ShownPart> parts,
                                                      std::span<const Designator> designators,
                                                      std::string_view decimalSeparator) {
    std::vector<PartSensitivity> ordered = sensitivities.parts;
    std::sort(ordered.begin(), ordered.end(),
              [](const auto& a, const auto& b) { return sortKey(a) < sortKey(b); });
    std::vector<SensitivityTableRow> rows;
    rows.reserve(ordered.size());
    for (const PartSensitivity& s : ordered) {
        const Designator& designator = designators[s.part];
        const ShownPart& part = parts[s.part];
        rows.push_back(
            {s.part,
             {{{designator.text + " (" + std::string(designator.reportName) + ")",
                static_cast<double>(s.part)},
               {"Unit " + std::to_string(s.stage), static_cast<double>(s.stage)},
               {valueText(part, decimalSeparator), valuesOf({&part, 1}).front()},
               {sensitivityText(s.naturalFrequency, decimalSeparator), s.naturalFrequency},
               {sensitivityText(s.quality, decimalSeparator), s.quality},
               {printed(decimalSeparator, "%.1f %%", 100 * s.bandShare), s.bandShare}}}});
    }
    return rows;
}

std::string qualityMoverText(const Sensitivities& sensitivities,
                             std::span<const Designator> designators,
                             std::string_view decimalSeparator) {
    if (!sensitivities.movesQualityMost) {
        return {};
    }
    const PartSensitivity& most = sensitivities.parts[*sensitivities.movesQualityMost];
    return "Q moves most with " + designators[most.part].caption() + ": S Q " +
           sensitivityText(most.quality, decimalSeparator) + ".";
}

}  // namespace tessaron
