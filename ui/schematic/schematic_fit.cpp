// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/schematic/schematic_fit.h"

#include <algorithm>
#include <vector>

#include "studies/schematic_layout.h"
#include "studies/schematic_tables.h"

namespace tessaron {
namespace {

double scaleIn(const Scene& scene, double width, double height) {
    return std::min(width / scene.bounds.width(), height / scene.bounds.height());
}

}  // namespace

FittedScene fitScene(TopologyKind topology, std::span<const ShownPart> parts,
                     const TextMetrics& metrics, double width, double height, FitLimits limits) {
    SchematicOptions options{metrics, 10, 0};
    const Scene oneRow = schematicScene(topology, parts, options);
    const auto stages = static_cast<int>(parts.size() / partSpecs(topology).size());
    const double stageWidth = stageLayout(topology).width * oneRow.pitch;
    // One candidate per number of stages a row holds, most first: a row of
    // k stages is as wide as the one row less the others, and half a stage
    // of slack keeps the (k+1)-th off it.
    std::vector<Scene> candidates{oneRow};
    for (int k = stages - 1; k >= 1; --k) {
        options.maxRowWidth = oneRow.bounds.width() - (stages - k) * stageWidth + stageWidth / 2;
        candidates.push_back(schematicScene(topology, parts, options));
    }
    const auto best =
        std::max_element(candidates.begin(), candidates.end(), [&](const auto& a, const auto& b) {
            return scaleIn(a, width, height) < scaleIn(b, width, height);
        });
    const double scale = scaleIn(*best, width, height);
    if (scale >= limits.smallest) {
        return {std::move(*best), std::min(scale, limits.largest)};
    }
    // The most stages a row of the view's width takes at the smallest scale.
    const auto fits = std::find_if(candidates.begin(), candidates.end(), [&](const Scene& s) {
        return s.bounds.width() * limits.smallest <= width;
    });
    return {std::move(fits != candidates.end() ? *fits : candidates.back()), limits.smallest};
}

}  // namespace tessaron
