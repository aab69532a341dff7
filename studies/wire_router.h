// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>
#include <vector>

#include "studies/schematic_scene.h"

namespace tessaron {

// The pins of one node, to be joined by wires.
struct Net {
    std::vector<Point> pins;
};

struct RoutedNets {
    std::vector<Wire> wires;
    std::vector<Point> junctions;
    // Connections for which no clean run was found and a straight corner was
    // drawn regardless: none in a layout fit to print.
    int forced = 0;
};

// Joins each net's pins with horizontal and vertical runs, net after net:
// a tree grown from its first pin, each step adding the shortest run of one
// or two legs from a pin not yet joined to any point of the tree (its pins,
// corners, or the foot of a perpendicular on one of its runs). A run may not
// enter an obstacle (its edges are allowed: a lead leaves its symbol there),
// touch a pin of another net or lie along a run of another net; it may cross
// one, at a cost. Junctions are the points where three or more pins and runs
// meet.
RoutedNets routeNets(std::span<const Net> nets, std::span<const Box> obstacles);

}  // namespace tessaron
