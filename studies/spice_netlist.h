// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>
#include <string>
#include <variant>

#include "engine/topologies.h"
#include "studies/circuit_model.h"

namespace tessaron {

// The AC sweep a netlist asks for: logarithmic, from startHz to stopHz.
struct SpiceSweep {
    double startHz = 0;
    double stopHz = 0;
    int pointsPerDecade = 100;
};

// The charts' range: the first to the last of a design's frequencies.
SpiceSweep chartSweep(std::span<const double> frequencies, int pointsPerDecade = 100);

// Why there is no netlist, in words.
struct NetlistRefusal {
    std::string reason;
};

// A SPICE netlist (.cir) of the whole cascade as built: the stages joined
// output to input (the passive sections loading each other), the source
// and load resistances of the model's termination, every part with its
// value written to 17 significant digits so that it reads back as the same
// double, and each op-amp an instance of one subcircuit, OPAMP (pins: +, -,
// output), of the model's op-amp: a VCVS of gain 1e9 for the ideal one, the
// dominant-pole model for the real one. A 1 V AC source drives node "in",
// the output node is "out", and `.ac dec` covers `sweep`. Plain SPICE only
// (no control block), which ngspice runs in batch mode and LTspice reads.
// Refused where a part is not positive and finite, the model cannot be used
// or the sweep is not a positive rising range.
std::variant<std::string, NetlistRefusal> spiceNetlist(TopologyKind topology,
                                                       std::span<const double> values,
                                                       const CircuitModel& model,
                                                       const SpiceSweep& sweep);

}  // namespace tessaron
