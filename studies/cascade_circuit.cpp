// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/cascade_circuit.h"

#include <stdexcept>

namespace tessaron {
namespace {

template <Topology T>
void addStage(CascadeCircuit& circuit, int stage, std::span<const double> values) {
    const int input = circuit.output;
    const auto output = static_cast<int>(circuit.nodes.size());
    circuit.nodes.push_back({NodeRole::StageOutput, stage, {}});
    const int firstInner = output + 1;
    for (const std::string_view name : T::kInnerNodes) {
        circuit.nodes.push_back({NodeRole::Inner, stage, name});
    }
    const auto node = [&](int local) {
        switch (local) {
            case kGround:
                return 0;
            case kStageInput:
                return input;
            case kStageOutput:
                return output;
            default:
                return firstInner + (local - kFirstInnerNode);
        }
    };
    for (std::size_t i = 0; i < T::kParts.size(); ++i) {
        const PartSpec& part = T::kParts[i];
        circuit.elements.push_back(
            {part.name, part.kind, node(part.from), node(part.to), values[i], stage});
    }
    if constexpr (T::kOpAmp.has_value()) {
        const OpAmpPins pins = *T::kOpAmp;
        circuit.opAmps.push_back(
            {node(pins.nonInverting), node(pins.inverting), node(pins.output), stage});
    }
    circuit.output = output;
}

}  // namespace

CascadeCircuit cascadeCircuit(TopologyKind topology, std::span<const double> values, int first,
                              int count, const Termination& termination) {
    const std::size_t n = partSpecs(topology).size();
    if (first < 0 || count < 1 || values.size() < (static_cast<std::size_t>(first + count)) * n) {
        throw std::invalid_argument("The values do not make the stages asked for");
    }
    CascadeCircuit circuit;
    circuit.nodes.push_back({NodeRole::Ground, -1, {}});
    circuit.source = 1;
    circuit.nodes.push_back({termination.hasSource() ? NodeRole::Source : NodeRole::Input, -1, {}});
    circuit.input = circuit.source;
    if (termination.hasSource()) {
        circuit.input = 2;
        circuit.nodes.push_back({NodeRole::Input, -1, {}});
        circuit.elements.push_back(
            {"RS", PartKind::Resistor, circuit.source, circuit.input, termination.sourceOhms, -1});
    }
    circuit.output = circuit.input;
    withTopology(topology, [&]<Topology T>() {
        for (int stage = first; stage < first + count; ++stage) {
            addStage<T>(circuit, stage, values.subspan(static_cast<std::size_t>(stage) * n, n));
        }
    });
    circuit.nodes[static_cast<std::size_t>(circuit.output)].role = NodeRole::Output;
    if (termination.hasLoad()) {
        circuit.elements.push_back(
            {"RL", PartKind::Resistor, circuit.output, 0, termination.loadOhms, -1});
    }
    return circuit;
}

bool outputDrivenByOpAmp(TopologyKind topology) {
    return withTopology(topology, []<Topology T>() {
        return T::kOpAmp.has_value() && T::kOpAmp->output == kStageOutput;
    });
}

}  // namespace tessaron
