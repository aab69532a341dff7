// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/standard_build.h"

#include <algorithm>

#include "mathlib/fp_guard.h"
#include "studies/design_biquads.h"

namespace tessaron {
namespace {

double deviationPercent(double value, double reference) {
    return (value - reference) / reference * 100;
}

// fn and Q of a stage whose values all passed the checks.
std::optional<BiquadFigures> figuresOfStage(TopologyKind topology, std::span<const double> values) {
    const bool usable = std::all_of(values.begin(), values.end(),
                                    [](double v) { return checkPartValue(v) == ValueFault::None; });
    if (!usable) {
        return std::nullopt;
    }
    const BiquadFigures figures = figuresOf(stageBiquad(topology, values));
    if (!(figures.naturalFrequency > 0) || !std::isfinite(figures.naturalFrequency) ||
        !(figures.quality > 0) || !std::isfinite(figures.quality)) {
        return std::nullopt;
    }
    return figures;
}

}  // namespace

std::string faultMessage(const PartFault& fault) {
    return std::string(fault.part.name) + " of Unit " + std::to_string(fault.stage) +
           " cannot be rounded: it " + std::string(faultText(fault.fault)) + ".";
}

StandardBuild chooseStandardValues(const DesignParts& design, SeriesChoice series) {
    fp::Guard guard;
    const std::span<const PartSpec> specs = partSpecs(design.topology);
    StandardBuild build;
    build.chosenValues.resize(design.values.size());
    for (int stage = 0; stage < design.stageCount(); ++stage) {
        const std::span<const double> exact = design.stageValues(stage);
        bool allChosen = true;
        for (std::size_t i = 0; i < specs.size(); ++i) {
            const RoundedValue chosen = nearestStandardValue(exact[i], series.of(specs[i].kind));
            PartRow row{stage, specs[i], exact[i], chosen, std::nullopt};
            if (chosen.fault == ValueFault::None) {
                row.deviationPercent = deviationPercent(chosen.standard.value, exact[i]);
            } else {
                build.faults.push_back({stage, specs[i], chosen.fault});
                allChosen = false;
            }
            build.chosenValues[static_cast<std::size_t>(stage) * specs.size() + i] =
                chosen.standard.value;
            build.parts.push_back(row);
        }
        StageRow row{stage, figuresOfStage(design.topology, exact), std::nullopt, std::nullopt,
                     std::nullopt};
        if (allChosen) {
            row.standard = figuresOfStage(
                design.topology,
                std::span<const double>(build.chosenValues)
                    .subspan(static_cast<std::size_t>(stage) * specs.size(), specs.size()));
        }
        if (row.exact && row.standard) {
            row.frequencyDeviationPercent =
                deviationPercent(row.standard->naturalFrequency, row.exact->naturalFrequency);
            row.qualityDeviationPercent =
                deviationPercent(row.standard->quality, row.exact->quality);
        }
        build.stages.push_back(row);
    }
    return build;
}

BandCircuit bandCircuit(TopologyKind topology, const StandardBuild& build,
                        ToleranceChoice tolerances, const CircuitModel& model) {
    BandCircuit circuit;
    circuit.values = build.chosenValues;
    for (const PartRow& row : build.parts) {
        circuit.tolerances.push_back(tolerances.of(row.part.kind));
    }
    circuit.cascadeOf = [topology, model](std::span<const double> values) {
        return modelledCascade(topology, values, model);
    };
    return circuit;
}

}  // namespace tessaron
