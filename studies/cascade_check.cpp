// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/cascade_check.h"

#include <cmath>

namespace tessaron {

std::optional<std::string> whyNotShowable(std::span<const Biquad> cascade) {
    if (cascade.empty()) {
        return "There is no completed design to show.";
    }
    for (std::size_t i = 0; i < cascade.size(); ++i) {
        const Biquad& stage = cascade[i];
        const std::string unit = "Unit " + std::to_string(i);
        if (!std::isfinite(stage.k) || !std::isfinite(stage.b1) || !std::isfinite(stage.b0)) {
            return unit + " has a coefficient that is not a finite number.";
        }
        if (stage.b0 < 0) {
            return unit + " is unstable: one of its poles is a growing exponential.";
        }
        if (stage.b0 == 0) {
            return unit + " has a pole at 0 Hz: its output never settles.";
        }
        if (stage.b1 < 0) {
            return unit + " is unstable: its Q is negative, so it oscillates with growing swing.";
        }
        if (stage.b1 == 0) {
            return unit + " has an infinite Q: it oscillates for ever and its delay is unbounded.";
        }
        if (stage.k == 0) {
            return unit + " has no gain: nothing reaches the output.";
        }
    }
    return std::nullopt;
}

}  // namespace tessaron
