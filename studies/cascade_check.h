// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <span>
#include <string>

#include "engine/biquad.h"

namespace tessaron {

// Why the delay and the step response of a cascade cannot be shown, in words
// for the user, or nothing when they can: every stage must have finite
// coefficients, a non-zero gain and both poles strictly in the left half-plane
// (b0 > 0 and b1 > 0, that is a positive natural frequency and a positive Q).
// Stages are named as in the report, "Unit 0" upwards.
std::optional<std::string> whyNotShowable(std::span<const Biquad> cascade);

}  // namespace tessaron
