// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>

#include "engine/biquad.h"

namespace tessaron {

// How steady the group delay is over the pass band, in %:
//   (largest - smallest delay over 0 <= f <= fp) / delay at DC * 100.
// The largest is groupDelayCurve's peak, found down to rounding; the smallest
// is the least of the delays at kPassBandDelayPoints frequencies evenly spaced
// from 0 Hz to fp, both ends included. 0 for a delay flat over the whole band.
// The stages must pass whyNotShowable().
inline constexpr int kPassBandDelayPoints = 1001;

double passBandDelayVariation(std::span<const Biquad> cascade, double passEdge);

}  // namespace tessaron
