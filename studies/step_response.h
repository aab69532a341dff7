// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>
#include <vector>

#include "analysis/plot_series.h"
#include "engine/biquad.h"

namespace tessaron {

// The cascade's output for a unit step at its input once it has settled: the
// product of the stages' DC gains k / b0 (+1 for unit-gain stages, -1 for each
// inverting one).
double finalValue(std::span<const Biquad> cascade);

// How long the step response is shown, in seconds: 1.5 times the time the
// slowest stage's envelope takes to fall to 0.1 %, ln(1000) / sigma, where
// sigma is the decay rate of the stage's slower pole: w0 / (2 Q) = b1 / 2 for
// Q >= 1/2, (b1 - sqrt(b1^2 - 4 b0)) / 2 for an overdamped stage (Q < 1/2). The margin covers the
// factor (1 + sigma t) of a critically damped stage (0.1 % at sigma t = 9.2,
// against ln(1000) = 6.9) and the tails the other stages add to the slowest.
double settlingSpan(std::span<const Biquad> cascade);

// The output for a unit step applied at t = 0 to the cascade at rest, at
// `points` equal steps from 0 to `span` seconds (x: time in s, y: output).
// Exact at every sample up to rounding: the state equations are discretized
// through the matrix exponential, not integrated. The stages must pass
// whyNotShowable(); `span` > 0, `points` >= 2.
std::vector<PlotPoint> stepResponse(std::span<const Biquad> cascade, double span, int points);

}  // namespace tessaron
