// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "engine/biquad.h"

namespace tessaron {

// Gain and phase of a cascade of biquads, computed in double, as the main
// charts show the exact design's: one value per frequency.
struct ResponseCurves {
    std::vector<double> gainDb;    // 20 log10 |H|
    std::vector<double> phaseDeg;  // arg H, principal value in (-180, 180]
};

enum class ResponseFault {
    None,
    NoStages,
    NotLowPass,    // a stage with k = 0, b0 <= 0, b1 <= 0 or a value not finite
    BadFrequency,  // a frequency negative or not finite
    OutOfRange,    // |H| leaves the range of double somewhere
};

std::string_view faultText(ResponseFault fault);

struct CascadeResponse {
    ResponseCurves curves;  // empty unless fault is None: never a NaN or an infinity
    ResponseFault fault = ResponseFault::None;
};

// The response at each of `frequencies` (Hz, ascending, 0 allowed).
CascadeResponse cascadeResponse(std::span<const Biquad> cascade,
                                std::span<const double> frequencies);

// The lowest frequency at which the gain has fallen 3 dB (half the power)
// below the gain at DC: found between the first grid point at or below half
// power and the one before it (or 0 Hz), then narrowed down on the cascade
// itself to the resolution of double. Empty where the grid never gets there
// or the cascade is no low-pass.
std::optional<double> halfPowerFrequency(std::span<const Biquad> cascade,
                                         std::span<const double> frequencies);

// A phase in rad, unwrapped, as the charts show it: in degrees on the
// principal branch (-180, 180], and the multiple of 360 added to get there.
struct DisplayedPhase {
    double degrees;
    double shift;
};
DisplayedPhase displayedPhase(double radians);

}  // namespace tessaron
