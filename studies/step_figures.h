// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <span>

#include "analysis/plot_series.h"

namespace tessaron {

// The figures of a sampled step response, each read from the response divided
// by its final value (so an inverting cascade rises towards +1 like the others).
// Level crossings are placed by linear interpolation between the two samples
// around them. A time the samples do not reach is empty.
struct StepFigures {
    // Largest excess above the final value, in % of it, 0 when the response
    // never exceeds it: the crest of the parabola through the largest sample
    // and its two neighbours.
    double overshootPercent;
    // From the first crossing of 10 % to the first crossing of 90 % after it, s.
    std::optional<double> riseTime;
    // The last time the response is outside +-1 % (+-0.1 %) of the final value:
    // where it leaves the band for the last time. Empty if the last sample is
    // still outside.
    std::optional<double> settlingTime1;
    std::optional<double> settlingTime01;
};

// `response` as stepResponse() gives it (x: time, ascending); `finalValue` != 0.
StepFigures stepFigures(std::span<const PlotPoint> response, double finalValue);

}  // namespace tessaron
