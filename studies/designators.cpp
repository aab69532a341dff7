// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/designators.h"

#include <array>

namespace tessaron {
namespace {

constexpr std::array<std::string_view, 4> kPrefixes = {"R", "C", "L", "U"};
constexpr std::array<std::string_view, 4> kKindNames = {"resistor", "capacitor", "inductor",
                                                        "op-amp"};

Designator next(std::array<int, 4>& counts, DesignatorKind kind, int stage,
                std::string_view reportName) {
    const auto k = static_cast<std::size_t>(kind);
    return {std::string(kPrefixes[k]) + std::to_string(++counts[k]), kind, stage, reportName};
}

}  // namespace

DesignatorKind designatorKind(PartKind kind) {
    switch (kind) {
        case PartKind::Resistor:
            return DesignatorKind::Resistor;
        case PartKind::Capacitor:
            return DesignatorKind::Capacitor;
        case PartKind::Inductor:
            return DesignatorKind::Inductor;
    }
    return DesignatorKind::Resistor;
}

std::string_view kindName(DesignatorKind kind) {
    return kKindNames[static_cast<std::size_t>(kind)];
}

std::string Designator::caption() const {
    return text + " (Unit " + std::to_string(stage) + " " + std::string(reportName) + ")";
}

std::optional<OpAmpPins> opAmpOf(TopologyKind topology) {
    return withTopology(topology, []<Topology T>() { return T::kOpAmp; });
}

CircuitDesignators designateCircuit(TopologyKind topology, int stageCount) {
    const std::span<const PartSpec> specs = partSpecs(topology);
    const bool active = opAmpOf(topology).has_value();
    std::array<int, 4> counts{};
    CircuitDesignators designators;
    for (int stage = 0; stage < stageCount; ++stage) {
        for (const PartSpec& part : specs) {
            designators.parts.push_back(next(counts, designatorKind(part.kind), stage, part.name));
        }
        if (active) {
            designators.opAmps.push_back(next(counts, DesignatorKind::OpAmp, stage, "op-amp"));
        }
    }
    return designators;
}

}  // namespace tessaron
