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
    NotLowPass,    // a stage with k = 0, b0 <= 0, b1 <= 0, a pole not in the left
                   // half-plane or a value not finite
    BadFrequency,  // a frequency negative or not finite
    OutOfRange,    // |H| leaves the range of double somewhere
    BadModel,      // the op-amp's model or the termination cannot be used
};

std::string_view faultText(ResponseFault fault);

struct CascadeResponse {
    ResponseCurves curves;  // empty unless fault is None: never a NaN or an infinity
    ResponseFault fault = ResponseFault::None;
};

// The response at each of `frequencies` (Hz, ascending, 0 allowed).
CascadeResponse cascadeResponse(std::span<const Biquad> cascade,
                                std::span<const double> frequencies);

// One real factor of a cascade's denominator at s = j 2pi f, 1 at DC:
// (1 - a f^2) + j b f. Two poles p and q (a complex pair or both real) make
// a = (2pi)^2 / (p q) and b = -2pi (p + q) / (p q); one real pole p makes
// a = 0 and b = -2pi / p. Poles in the left half-plane give a >= 0 and b > 0,
// so the factor's angle stays within [0, pi) for every f >= 0.
struct DenominatorFactor {
    double a;  // per Hz^2
    double b;  // per Hz
};

// A cascade as the curves and the band evaluate it, from biquads or from the
// poles of a circuit: H(j 2pi f) = dcGain / prod of the factors at f. Poles
// alone: the circuits the program designs have no finite zeros.
struct FactoredCascade {
    double dcGain = 0;
    std::vector<DenominatorFactor> factors;
    ResponseFault fault = ResponseFault::None;  // the rest is empty unless None
};

// Each biquad k / (s^2 + b1 s + b0) as one factor, a = (2pi)^2 / b0 and
// b = 2pi b1 / b0, with the product of the k / b0 as dcGain. NoStages or
// NotLowPass where cascadeResponse would say so.
FactoredCascade factorBiquads(std::span<const Biquad> cascade);

// The same response and -3 dB frequency for a cascade given by its factors.
CascadeResponse cascadeResponse(const FactoredCascade& cascade,
                                std::span<const double> frequencies);
std::optional<double> halfPowerFrequency(const FactoredCascade& cascade,
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
