// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/design_parts.h"
#include "engine/part.h"
#include "engine/topologies.h"

namespace tessaron {

// What a designator stands for: one of a stage's parts, or its op-amp.
enum class DesignatorKind { Resistor, Capacitor, Inductor, OpAmp };

DesignatorKind designatorKind(PartKind kind);

// "resistor", "capacitor", "inductor", "op-amp".
std::string_view kindName(DesignatorKind kind);

// A part's name on paper and in the parts list, unique across the cascade
// ("R4"), with the stage and the name the report gives it ("R1" of Unit 1),
// so that the drawing, the list and the report can be read side by side.
struct Designator {
    std::string text;
    DesignatorKind kind;
    int stage;
    std::string_view reportName;  // "R1", "C", or "op-amp"

    // "R4 (Unit 1 R1)".
    std::string caption() const;
};

struct CircuitDesignators {
    std::vector<Designator> parts;   // one per value of the design, in its order
    std::vector<Designator> opAmps;  // one per stage of an active topology, else none
};

// Each kind counts up on its own, R1, R2 ... C1, C2 ... L1 ... U1 ..., stage
// after stage and, within a stage, in the report's order of its parts.
CircuitDesignators designateCircuit(TopologyKind topology, int stageCount);

// The topology's op-amp pins, or none for a passive stage.
std::optional<OpAmpPins> opAmpOf(TopologyKind topology);

}  // namespace tessaron
