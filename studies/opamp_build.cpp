// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/opamp_build.h"

#include "studies/circuit_model.h"

namespace tessaron {
namespace {

std::optional<double> deviationPercent(const std::optional<BiquadFigures>& standard,
                                       const std::optional<BiquadFigures>& exact,
                                       double BiquadFigures::*figure) {
    if (!standard || !exact) {
        return std::nullopt;
    }
    return ((*standard).*figure - (*exact).*figure) / (*exact).*figure * 100;
}

}  // namespace

std::vector<OpAmpStageRow> opAmpStageRows(const DesignParts& design, const StandardBuild& build,
                                          const OpAmpModel& opAmp) {
    std::vector<OpAmpStageRow> rows;
    if (!hasOpAmp(design.topology) || opAmp.ideal() || modelProblem(opAmp)) {
        return rows;
    }
    const std::size_t n = partSpecs(design.topology).size();
    for (int s = 0; s < design.stageCount(); ++s) {
        const std::span<const double> exact = design.stageValues(s);
        OpAmpStageRow row{s,
                          stageFigures(design.topology, exact, opAmp),
                          std::nullopt,
                          std::nullopt,
                          std::nullopt,
                          minimumGbw(design.topology, exact, opAmp),
                          std::nullopt};
        const auto i = static_cast<std::size_t>(s);
        if (i < build.stages.size() && build.stages[i].standard) {
            const auto chosen = std::span<const double>(build.chosenValues).subspan(i * n, n);
            row.standard = stageFigures(design.topology, chosen, opAmp);
            row.standardMinimum = minimumGbw(design.topology, chosen, opAmp);
        }
        row.frequencyDeviationPercent =
            deviationPercent(row.standard, row.exact, &BiquadFigures::naturalFrequency);
        row.qualityDeviationPercent =
            deviationPercent(row.standard, row.exact, &BiquadFigures::quality);
        rows.push_back(row);
    }
    return rows;
}

}  // namespace tessaron
