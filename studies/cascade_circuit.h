// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <limits>
#include <span>
#include <string_view>
#include <vector>

#include "engine/design_parts.h"
#include "engine/part.h"
#include "engine/topologies.h"

namespace tessaron {

// What joins the cascade to the outside: a resistance in series with the
// source at the first stage's input, and a load from the last stage's output
// to ground. The defaults change nothing: a perfect source, no load.
struct Termination {
    double sourceOhms = 0;
    double loadOhms = std::numeric_limits<double>::infinity();

    bool hasSource() const { return sourceOhms != 0; }
    bool hasLoad() const { return loadOhms != std::numeric_limits<double>::infinity(); }
};

enum class NodeRole { Ground, Source, Input, StageOutput, Output, Inner };

// A node of a cascade's circuit, as a netlist names it: the stage it belongs
// to (-1 for ground, the source and the cascade's input) and, for an inner
// node, the topology's own name of it.
struct CircuitNode {
    NodeRole role;
    int stage;
    std::string_view inner;
};

// A part between two nodes; stage -1 for the termination's resistors, which
// are named "RS" and "RL".
struct CircuitElement {
    std::string_view name;
    PartKind kind;
    int from;
    int to;
    double value;
    int stage;
};

struct CircuitOpAmp {
    int nonInverting;
    int inverting;
    int output;
    int stage;
};

// Stages joined in a row from their topology's description (kParts,
// kInnerNodes, kOpAmp): each stage's output is the next one's input, an ideal
// 1 V source drives node `source` (through RS to `input` when there is a
// source resistance), and `output` is the last stage's output. Node 0 is
// ground; nodes[i] describes node i.
struct CascadeCircuit {
    std::vector<CircuitNode> nodes;
    std::vector<CircuitElement> elements;
    std::vector<CircuitOpAmp> opAmps;
    int source = 0;
    int input = 0;
    int output = 0;
};

// The stages `first` to `first + count - 1` of a design whose values are
// `values` (every stage's, in the order of partSpecs), with `termination`.
// Throws std::invalid_argument where the values do not make those stages.
CascadeCircuit cascadeCircuit(TopologyKind topology, std::span<const double> values, int first,
                              int count, const Termination& termination = {});

// Whether a stage of the topology drives its output from its op-amp: the
// next stage then cannot load it, in the ideal model and in the real one.
bool outputDrivenByOpAmp(TopologyKind topology);

}  // namespace tessaron
