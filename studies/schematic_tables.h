// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <span>

#include "engine/topologies.h"
#include "studies/schematic_scene.h"

namespace tessaron {

// Where a part's designator and value stand beside it.
enum class LabelSide { Above, Below, Left, Right };

// A part on its stage's grid, in grid steps from the stage's input (y grows
// downwards): its centre, which way it runs from its `from` node to its `to`
// node, and its labels' side.
struct PartPlace {
    Point centre;
    Orientation orientation;
    LabelSide labels;
};

struct OpAmpPlace {
    Point centre;
    Orientation orientation;  // see Orientation: which input is on top
};

// How a topology draws one stage, once for every order: its parts in the
// order of partSpecs, its op-amp where it has one, and how far the output
// lies right of the input (both on the stage's row, y = 0). Nothing here
// joins anything: the wires follow the parts' nodes.
struct StageLayout {
    std::span<const PartPlace> parts;
    std::optional<OpAmpPlace> opAmp;
    double width;
};

const StageLayout& stageLayout(TopologyKind topology);

}  // namespace tessaron
