// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cmath>
#include <span>
#include <vector>

#include "engine/topologies.h"

namespace tessaron {

// How a stage's natural frequency and Q move with one of its parts: the
// relative sensitivities S = d ln y / d ln x at the stage's values, so a part
// 1 % high moves fn by about S_fn %.
struct FigureSensitivity {
    double naturalFrequency;
    double quality;
};

// From each topology's formulas of fn and Q, one per part in the order of
// partSpecs. The values must be positive and finite.
std::vector<FigureSensitivity> figureSensitivities(TopologyKind topology,
                                                   std::span<const double> stageValues);

// The same by central differences on the stage's biquad in double (see
// logSensitivity), for checking the formulas and for a topology without them.
std::vector<FigureSensitivity> numericFigureSensitivities(TopologyKind topology,
                                                          std::span<const double> stageValues);

// d ln y / d ln x_i of y = f(x) > 0 by a central difference in ln x_i: the
// values with x_i times exp(+-h), h = 1e-5. The truncation error is
// h^2 / 6 |d^3 ln y / d ln x^3| and the rounding error about
// 10 eps / h for ln y of order ten; their sum is smallest near
// h = (30 eps)^(1/3) = 1.9e-5, where each is about 1e-10, far below the
// digits a sensitivity is shown with. `f` takes all the values.
template <class F>
double logSensitivity(F&& f, std::span<const double> values, std::size_t i) {
    constexpr double h = 1e-5;
    std::vector<double> moved(values.begin(), values.end());
    moved[i] = values[i] * std::exp(h);
    const double up = std::log(f(std::span<const double>(moved)));
    moved[i] = values[i] * std::exp(-h);
    const double down = std::log(f(std::span<const double>(moved)));
    return (up - down) / (2 * h);
}

}  // namespace tessaron
