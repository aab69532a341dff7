// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cmath>
#include <numbers>

#include "engine/biquad.h"

namespace tessaron {

// What the report shows of a stage, from its coefficients: natural frequency
// sqrt(b0) / 2pi in Hz and Q = sqrt(b0) / b1, the same as each topology's
// formulas of its components.
struct BiquadFigures {
    double naturalFrequency;
    double quality;
};

inline BiquadFigures figuresOf(const Biquad& b) {
    const double w0 = std::sqrt(b.b0);
    return {w0 / (2 * std::numbers::pi), w0 / b.b1};
}

}  // namespace tessaron
