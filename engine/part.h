// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

namespace tessaron {

enum class PartKind { Resistor, Capacitor, Inductor };

// The nodes of a stage's circuit: ground, the stage's input and its output,
// which it shares with its neighbours in the cascade, and from kFirstInnerNode
// on its own inner nodes, named by the topology's kInnerNodes.
inline constexpr int kGround = 0;
inline constexpr int kStageInput = 1;
inline constexpr int kStageOutput = 2;
inline constexpr int kFirstInnerNode = 3;

// A part of a stage as the report names it ("R1", "C2", "L") and the two
// nodes it joins.
struct PartSpec {
    std::string_view name;
    PartKind kind;
    int from;
    int to;
};

// Where an active stage's op-amp is connected.
struct OpAmpPins {
    int nonInverting;
    int inverting;
    int output;
};

// "Ω", "F", "H".
constexpr std::string_view unitSymbol(PartKind kind) {
    switch (kind) {
        case PartKind::Resistor:
            return "Ω";
        case PartKind::Capacitor:
            return "F";
        case PartKind::Inductor:
            return "H";
    }
    return "";
}

}  // namespace tessaron
