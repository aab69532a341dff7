#pragma once

#include <cmath>
#include <numbers>

namespace tessaron {

// A second-order low-pass section in double precision, for the studies made
// beside the exact design (standard values, tolerances, delay and step):
// H(s) = k / (s^2 + b1 s + b0), so b0 = w0^2 and b1 = w0 / Q, and k = +-b0 for
// a unit-gain stage (negative where the stage inverts).
struct Biquad {
    double k;
    double b1;
    double b0;
};

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
