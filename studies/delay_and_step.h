// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>
#include <string>
#include <variant>
#include <vector>

#include "analysis/plot_series.h"
#include "engine/biquad.h"
#include "mathlib/extended.h"
#include "studies/group_delay.h"
#include "studies/step_figures.h"

namespace tessaron {

// What the delay and step view shows of one cascade. Every number is finite.
struct DelayAndStep {
    GroupDelayCurve delay;        // over the main charts' 10,000 frequencies
    std::vector<PlotPoint> step;  // 10,000 samples, x: time in s, y: output
    double finalValue;            // the step's end: +1, or -1 per inverting stage
    StepFigures stepFigures;
};

// Why the delay and step response cannot be shown: one sentence for the user,
// naming the stage at fault as the report does ("Unit 1 ...").
struct Unshowable {
    std::string reason;
};

using DelayAndStepOutcome = std::variant<DelayAndStep, Unshowable>;

// The frequencies of the gain and phase charts for `fc`, in Hz, or why there are
// none (fc not positive or too large).
std::variant<std::vector<double>, Unshowable> sweepFrequencies(Extended fc);

// The delay over the sweep grid of `fc` (the frequencies of the gain and phase
// charts) and the step response over settlingSpan(), longer if the response has
// not settled to 0.1 % by 9/10 of it. Touches neither the x87 control word nor
// the x87 registers outside the numeric guard it opens for the grid.
DelayAndStepOutcome delayAndStep(std::span<const Biquad> cascade, Extended fc);

// The same for several cascades at once (the three families of one design),
// over one grid and one time span, the longest any of them needs, so their
// curves share both axes. One outcome per cascade, in order.
std::vector<DelayAndStepOutcome> delayAndStepSideBySide(
    std::span<const std::vector<Biquad>> cascades, Extended fc);

}  // namespace tessaron
