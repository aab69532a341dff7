// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/figure_sensitivity.h"

#include <cmath>
#include <stdexcept>

#include "studies/biquad_figures.h"
#include "studies/design_biquads.h"

namespace tessaron {
namespace {

// fn = 1 / (2 pi sqrt(R2 R3 C1 C2)): -1/2 to every part but R1.
// Q = sqrt(C1 / C2) / D, D = a + b + c with a = sqrt(R2 R3) / R1,
// b = sqrt(R2 / R3), c = sqrt(R3 / R2): S = -d ln D / d ln x, that is
// R1: a / D, R2: -(a + b - c) / 2D, R3: -(a - b + c) / 2D.
std::vector<FigureSensitivity> multipleFeedback(std::span<const double> v) {
    const double R1 = v[0], R2 = v[1], R3 = v[2];
    const double a = std::sqrt(R2 * R3) / R1, b = std::sqrt(R2 / R3), c = std::sqrt(R3 / R2);
    const double D = a + b + c;
    return {{0, a / D},
            {-0.5, -(a + b - c) / (2 * D)},
            {-0.5, -(a - b + c) / (2 * D)},
            {-0.5, 0.5},
            {-0.5, -0.5}};
}

// fn = 1 / (2 pi sqrt(R1 R2 C1 C2)): -1/2 to every part.
// Q = 1 / (p + q), p = sqrt(R1 C2 / (R2 C1)), q = sqrt(R2 C2 / (R1 C1)):
// R1: (q - p) / 2(p + q), R2: (p - q) / 2(p + q), C1: +1/2, C2: -1/2.
std::vector<FigureSensitivity> sallenKey(std::span<const double> v) {
    const double R1 = v[0], R2 = v[1], C1 = v[2], C2 = v[3];
    const double p = std::sqrt((R1 * C2) / (R2 * C1)), q = std::sqrt((R2 * C2) / (R1 * C1));
    const double half = (q - p) / (2 * (p + q));
    return {{-0.5, half}, {-0.5, -half}, {-0.5, 0.5}, {-0.5, -0.5}};
}

// fn = 1 / (2 pi sqrt(L C)), Q = sqrt(L / C) / R: no value enters but as a power.
std::vector<FigureSensitivity> passive(std::span<const double>) {
    return {{0, -1}, {-0.5, 0.5}, {-0.5, -0.5}};
}

}  // namespace

std::vector<FigureSensitivity> figureSensitivities(TopologyKind topology,
                                                   std::span<const double> stageValues) {
    if (stageValues.size() != partSpecs(topology).size()) {
        throw std::invalid_argument("A stage needs one value per part");
    }
    return withTopology(topology, [&]<Topology T>() {
        if constexpr (std::same_as<T, MultipleFeedback>) {
            return multipleFeedback(stageValues);
        } else if constexpr (std::same_as<T, SallenKey>) {
            return sallenKey(stageValues);
        } else {
            static_assert(std::same_as<T, Passive>, "a topology without its formulas");
            return passive(stageValues);
        }
    });
}

std::vector<FigureSensitivity> numericFigureSensitivities(TopologyKind topology,
                                                          std::span<const double> stageValues) {
    const auto figure = [&](double BiquadFigures::*member) {
        return [topology, member](std::span<const double> values) {
            return figuresOf(stageBiquad(topology, values)).*member;
        };
    };
    std::vector<FigureSensitivity> result;
    for (std::size_t i = 0; i < stageValues.size(); ++i) {
        result.push_back({logSensitivity(figure(&BiquadFigures::naturalFrequency), stageValues, i),
                          logSensitivity(figure(&BiquadFigures::quality), stageValues, i)});
    }
    return result;
}

}  // namespace tessaron
