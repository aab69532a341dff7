// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>
#include <vector>

#include "analysis/plot_series.h"
#include "engine/biquad.h"

namespace tessaron {

// Group delay tau(w) = -d arg H(jw) / dw in seconds, w in rad/s. For one stage
// arg H = arg k - atan2(v, u) with u = b0 - w^2, v = b1 w, so
//   tau(w) = (u v' - v u') / (u^2 + v^2) = b1 (b0 + w^2) / ((b0 - w^2)^2 + (b1 w)^2),
// and tau(0) = b1 / b0 = 1 / (Q w0). The stage must pass whyNotShowable().
double groupDelay(const Biquad& stage, double omega);

struct GroupDelayCurve {
    std::vector<PlotPoint> points;  // x: frequency in Hz, y: delay in s
    double atDc;                    // s
    double peak;                    // s, the largest delay from 0 Hz to the last frequency
    double peakFrequency;           // Hz; 0 where the delay only falls from DC or is flat there
};

// The delay of the cascade, the sum of its stages' (their phases add), at each
// of `frequencies` (Hz, ascending, none negative). The peak is that of the
// analytic delay, not of the samples: the best sample's neighbourhood is
// searched down to rounding.
GroupDelayCurve groupDelayCurve(std::span<const Biquad> cascade,
                                std::span<const double> frequencies);

}  // namespace tessaron
