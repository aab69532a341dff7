// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/biquad.h"
#include "engine/design_parts.h"
#include "studies/biquad_figures.h"
#include "studies/circuit_model.h"
#include "studies/standard_value.h"
#include "studies/tolerance_band.h"

namespace tessaron {

// The series each kind of part is chosen from; inductors go with resistors.
struct SeriesChoice {
    Series resistors = Series::E24;
    Series capacitors = Series::E12;

    Series of(PartKind kind) const { return kind == PartKind::Capacitor ? capacitors : resistors; }
};

// Relative tolerances (0.01 is +-1 %); inductors go with resistors.
struct ToleranceChoice {
    double resistors = 0.01;
    double capacitors = 0.05;

    double of(PartKind kind) const { return kind == PartKind::Capacitor ? capacitors : resistors; }
};

struct PartRow {
    int stage;
    PartSpec part;
    double exact;                            // as the design computed it
    RoundedValue chosen;                     // or the fault that stopped it
    std::optional<double> deviationPercent;  // of the chosen value from the exact one
};

struct StageRow {
    int stage;
    std::optional<BiquadFigures> exact;     // empty where an exact value is not usable
    std::optional<BiquadFigures> standard;  // empty where a part could not be chosen
    std::optional<double> frequencyDeviationPercent;
    std::optional<double> qualityDeviationPercent;
};

// A part that cannot be given a standard value, and why.
struct PartFault {
    int stage;
    PartSpec part;
    ValueFault fault;
};

// "C1 of Unit 0 cannot be rounded: it is zero."
std::string faultMessage(const PartFault& fault);

// The design with every part chosen from its series: a row per part and per
// stage, and the faults, one per part that could not be chosen. The chosen
// values (0 where one failed) stand in the order of the design's values.
struct StandardBuild {
    std::vector<PartRow> parts;
    std::vector<StageRow> stages;
    std::vector<PartFault> faults;
    std::vector<double> chosenValues;

    bool complete() const { return faults.empty(); }
};

StandardBuild chooseStandardValues(const DesignParts& design, SeriesChoice series);

// What the band varies: the chosen values, each within its kind's tolerance,
// through the circuit as `model` has it (modelledCascade): by default the
// topology's stage formulas, with a real op-amp or loaded sections the
// circuit as built, solved once per trial.
BandCircuit bandCircuit(TopologyKind topology, const StandardBuild& build,
                        ToleranceChoice tolerances, const CircuitModel& model = {});

}  // namespace tessaron
