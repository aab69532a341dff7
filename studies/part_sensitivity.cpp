// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/part_sensitivity.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <vector>

#include "mathlib/fp_guard.h"
#include "studies/cascade_response.h"
#include "studies/design_biquads.h"
#include "studies/figure_sensitivity.h"

namespace tessaron {
namespace {

bool usable(std::span<const double> values) {
    return std::all_of(values.begin(), values.end(),
                       [](double v) { return checkPartValue(v) == ValueFault::None; });
}

// |H(j 2 pi fc)| of one stage, through the same response the charts show.
double stageGain(TopologyKind topology, std::span<const double> values, double fc) {
    const std::array<Biquad, 1> stage = {stageBiquad(topology, values)};
    const std::array<double, 1> at = {fc};
    const CascadeResponse response = cascadeResponse(stage, at);
    if (response.fault != ResponseFault::None) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return std::pow(10.0, response.curves.gainDb[0] / 20);
}

}  // namespace

std::vector<double> partTolerances(TopologyKind topology, std::size_t valueCount,
                                   ToleranceChoice tolerances) {
    const std::span<const PartSpec> specs = partSpecs(topology);
    std::vector<double> result;
    result.reserve(valueCount);
    for (std::size_t i = 0; i < valueCount; ++i) {
        result.push_back(tolerances.of(specs[i % specs.size()].kind));
    }
    return result;
}

Sensitivities partSensitivities(TopologyKind topology, std::span<const double> values,
                                std::span<const double> tolerances, double fc) {
    const std::size_t n = partSpecs(topology).size();
    if (values.size() % n != 0 || tolerances.size() != values.size()) {
        throw std::invalid_argument("Sensitivities need whole stages and one tolerance per part");
    }
    fp::Guard guard;
    Sensitivities result;
    double spread = 0;
    for (std::size_t first = 0; first < values.size(); first += n) {
        const std::span<const double> stage = values.subspan(first, n);
        if (!usable(stage)) {
            continue;
        }
        const auto gain = [&](std::span<const double> v) { return stageGain(topology, v, fc); };
        std::vector<double> gains(n);
        for (std::size_t i = 0; i < n; ++i) {
            gains[i] = logSensitivity(gain, stage, i);
        }
        // A stage whose response cannot be evaluated has no rows, like one
        // with an unusable part: its NaN would void every part's share.
        if (!std::all_of(gains.begin(), gains.end(), [](double g) { return std::isfinite(g); })) {
            continue;
        }
        const std::vector<FigureSensitivity> figures = figureSensitivities(topology, stage);
        for (std::size_t i = 0; i < n; ++i) {
            const double s = gains[i];
            const double tolerance = tolerances[first + i];
            spread += (s * tolerance) * (s * tolerance);
            result.parts.push_back({first + i, static_cast<int>(first / n),
                                    figures[i].naturalFrequency, figures[i].quality, s, tolerance,
                                    0});
        }
    }
    for (PartSensitivity& row : result.parts) {
        const double own = row.gainAtFc * row.tolerance;
        row.bandShare = spread > 0 ? own * own / spread : 0;
    }
    const auto most = std::max_element(
        result.parts.begin(), result.parts.end(),
        [](const auto& a, const auto& b) { return std::abs(a.quality) < std::abs(b.quality); });
    if (most != result.parts.end()) {
        result.movesQualityMost = static_cast<std::size_t>(most - result.parts.begin());
    }
    return result;
}

}  // namespace tessaron
