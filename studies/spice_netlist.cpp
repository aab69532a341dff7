// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/spice_netlist.h"

#include <charconv>
#include <cmath>
#include <numbers>

#include "engine/design_parts.h"
#include "mathlib/fp_guard.h"
#include "studies/cascade_circuit.h"
#include "studies/standard_value.h"

namespace tessaron {
namespace {

// The ideal op-amp's stand-in: high enough that no design's curve moves by
// a thousandth of a dB, low enough that the simulator's matrix keeps its
// precision.
constexpr double kIdealGain = 1e9;

// The real op-amp's inner node: A0 from gm R, the pole from R C.
constexpr double kPoleResistance = 1e6;

// 17 significant digits: every double reads back as itself. to_chars, as
// the simulator reads full stops whatever LC_NUMERIC the window runs with.
std::string number(double value) {
    char buffer[32];
    char* end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17).ptr;
    return std::string(buffer, static_cast<std::size_t>(end - buffer));
}

std::string nodeName(const CascadeCircuit& circuit, int node) {
    const CircuitNode& n = circuit.nodes[static_cast<std::size_t>(node)];
    std::string unit(1, 'u');
    unit += std::to_string(n.stage);
    switch (n.role) {
        case NodeRole::Ground:
            return "0";
        case NodeRole::Source:
            return "src";
        case NodeRole::Input:
            return "in";
        case NodeRole::Output:
            return "out";
        case NodeRole::StageOutput:
            return unit + "_out";
        case NodeRole::Inner:
            return unit + "_" + std::string(n.inner);
    }
    return {};
}

std::string elementName(const CircuitElement& e) {
    return std::string(e.name) + (e.stage >= 0 ? "_U" + std::to_string(e.stage) : "");
}

// CA of the real op-amp's subcircuit: RA CA = A0 / (2 pi GBW).
double poleCapacitance(const OpAmpModel& opAmp) {
    return opAmp.dcGain() / (2 * std::numbers::pi * opAmp.gbwHz * kPoleResistance);
}

std::string opAmpSubcircuit(const OpAmpModel& opAmp) {
    std::string text = ".subckt OPAMP inp inn out\n";
    if (opAmp.ideal()) {
        text += "* Ideal op-amp: a voltage-controlled voltage source of gain " +
                number(kIdealGain) + ",\n* standing in for infinite gain.\n";
        text += "EOUT out 0 inp inn " + number(kIdealGain) + "\n";
    } else {
        const double a0 = opAmp.dcGain();
        text += "* Dominant-pole op-amp: A(s) = A0 / (1 + s A0 / (2 pi GBW)), A0 = " + number(a0) +
                " (" + number(opAmp.dcGainDb) + " dB),\n* GBW = " + number(opAmp.gbwHz) +
                " Hz: the input difference drives GA into RA || CA, EOUT buffers it.\n";
        text += "GA 0 pole inp inn " + number(a0 / kPoleResistance) + "\n";
        text += "RA pole 0 " + number(kPoleResistance) + "\n";
        text += "CA pole 0 " + number(poleCapacitance(opAmp)) + "\n";
        text += "EOUT out 0 pole 0 1\n";
        if (opAmp.inputCapacitancePf > 0) {
            text += "* Common-mode input capacitances.\n";
            text += "CINP inp 0 " + number(opAmp.inputCapacitance()) + "\n";
            text += "CINN inn 0 " + number(opAmp.inputCapacitance()) + "\n";
        }
    }
    return text + ".ends OPAMP\n";
}

std::optional<std::string> valueProblem(TopologyKind topology, std::span<const double> values) {
    const std::span<const PartSpec> specs = partSpecs(topology);
    if (values.empty() || values.size() % specs.size() != 0) {
        return "There is no completed design to write.";
    }
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (const ValueFault fault = checkPartValue(values[i]); fault != ValueFault::None) {
            return std::string(specs[i % specs.size()].name) + " of Unit " +
                   std::to_string(i / specs.size()) + " " + std::string(faultText(fault)) + ".";
        }
    }
    return std::nullopt;
}

// A GBW that is a number may still make CA infinite or denormal.
std::optional<std::string> subcircuitProblem(const OpAmpModel& opAmp) {
    if (opAmp.ideal() || std::isnormal(poleCapacitance(opAmp))) {
        return std::nullopt;
    }
    return "The gain-bandwidth product is too far from the DC gain to be written.";
}

std::optional<std::string> sweepProblem(const SpiceSweep& sweep) {
    const bool usable = sweep.startHz > 0 && std::isfinite(sweep.stopHz) &&
                        sweep.stopHz > sweep.startHz && sweep.pointsPerDecade > 0;
    return usable ? std::nullopt
                  : std::optional<std::string>(
                        "The frequency range is not a rising range above 0 Hz.");
}

}  // namespace

SpiceSweep chartSweep(std::span<const double> frequencies, int pointsPerDecade) {
    if (frequencies.empty()) {
        return {0, 0, pointsPerDecade};
    }
    return {frequencies.front(), frequencies.back(), pointsPerDecade};
}

std::variant<std::string, NetlistRefusal> spiceNetlist(TopologyKind topology,
                                                       std::span<const double> values,
                                                       const CircuitModel& model,
                                                       const SpiceSweep& sweep) {
    fp::Guard guard;
    for (const auto& problem : {valueProblem(topology, values), circuitModelProblem(model),
                                subcircuitProblem(model.opAmp), sweepProblem(sweep)}) {
        if (problem) {
            return NetlistRefusal{*problem};
        }
    }
    const auto stages = static_cast<int>(values.size() / partSpecs(topology).size());
    const CascadeCircuit circuit = cascadeCircuit(topology, values, 0, stages, model.termination);
    std::string text = "* Tessaron: " + std::string(nameOf(topology)) + " low-pass, " +
                       std::to_string(stages) + (stages == 1 ? " stage" : " stages") +
                       ", as built: the stages connected in a row.\n";
    if (!circuit.opAmps.empty()) {
        text += "* Op-amps: subcircuit OPAMP, " +
                std::string(model.opAmp.ideal() ? "ideal" : "dominant-pole model") + ".\n";
    }
    text += "VIN " + nodeName(circuit, circuit.source) + " 0 DC 0 AC 1\n";
    for (const CircuitElement& e : circuit.elements) {
        text += elementName(e) + " " + nodeName(circuit, e.from) + " " + nodeName(circuit, e.to) +
                " " + number(e.value) + "\n";
    }
    for (const CircuitOpAmp& a : circuit.opAmps) {
        text += "XU" + std::to_string(a.stage) + " " + nodeName(circuit, a.nonInverting) + " " +
                nodeName(circuit, a.inverting) + " " + nodeName(circuit, a.output) + " OPAMP\n";
    }
    if (!circuit.opAmps.empty()) {
        text += opAmpSubcircuit(model.opAmp);
    }
    text += ".ac dec " + std::to_string(sweep.pointsPerDecade) + " " + number(sweep.startHz) + " " +
            number(sweep.stopHz) + "\n";
    return text + ".end\n";
}

}  // namespace tessaron
