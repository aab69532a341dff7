#pragma once

#include <string_view>

namespace tessaron {

enum class PartKind { Resistor, Capacitor, Inductor };

// A part of a stage as the report names it: "R1", "C2", "L".
struct PartSpec {
    std::string_view name;
    PartKind kind;
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
