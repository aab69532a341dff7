// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>

#include "engine/topologies.h"
#include "studies/schematic_scene.h"
#include "studies/shown_values.h"

namespace tessaron {

// A drawing laid out for a view and the scale it is shown at there.
struct FittedScene {
    Scene scene;
    double scale = 1;
};

// How large a drawing may be shown: below `smallest` its texts are too small
// to read, and the view scrolls instead; above `largest` it is only bigger.
struct FitLimits {
    double smallest = 0.8;
    double largest = 2.5;
};

// The cascade in as many rows as let it be shown largest in a view of
// `width` by `height` (in scene units at 1×), the stages of a row side by
// side. When even the best is too small to read, the rows are wrapped to the
// view's width at the smallest scale, and the view scrolls down them.
FittedScene fitScene(TopologyKind topology, std::span<const ShownPart> parts,
                     const TextMetrics& metrics, double width, double height,
                     FitLimits limits = {});

}  // namespace tessaron
