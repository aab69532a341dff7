// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include "engine/topologies.h"
#include "studies/schematic_scene.h"

namespace tessaron {

// Where texts go beside a symbol, in grid steps: `lines` lines one above the
// other, each in an equal share of the box's height.
struct TextSlot {
    Box box;
    TextAlign align;
    int lines;
    std::size_t symbol;  // whose texts: a part's designator and value, an op-amp's
                         // designator, a supply's name
};

// One stage of a topology drawn on its grid from its layout table and its
// circuit, without texts: the same for every stage of the cascade. Its input
// is at (0, 0), its output at (width, 0).
struct StageDrawing {
    // The parts in the order of partSpecs, then the op-amp and its supplies,
    // then a ground under every pin on ground.
    std::vector<Symbol> symbols;
    std::vector<TextSlot> slots;
    std::vector<Wire> wires;
    std::vector<Point> junctions;
    Box extent;  // symbols, slots and wires
    double width;
    int forced;  // connections drawn through something: see RoutedNets
};

StageDrawing drawStage(TopologyKind topology);

// Its supply's name on paper, for a Supply symbol.
inline constexpr std::string_view kPositiveSupply = "V+";
inline constexpr std::string_view kNegativeSupply = "V−";

}  // namespace tessaron
