// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <stop_token>
#include <string_view>
#include <vector>

#include "studies/cascade_response.h"

namespace tessaron {

// What the band varies: every part of a circuit, each drawn within its
// tolerance around its value, and how a set of part values becomes the
// cascade's factors, once per trial (factorBiquads of the stages' biquads, or
// the poles of the circuit as built). A trial whose cascade has a fault is
// left out of the band.
struct BandCircuit {
    std::vector<double> values;
    std::vector<double> tolerances;  // one per value, relative: 0.01 is +-1 %
    std::function<FactoredCascade(std::span<const double> values)> cascadeOf;
};

inline constexpr int kDefaultTrials = 500;

struct BandOptions {
    int trials = kDefaultTrials;  // trial 0 is the circuit at its own values
    std::uint64_t seed = 1;
    int threads = 0;  // 0: one per hardware thread
};

enum class BandFault {
    None,
    Cancelled,
    BadCircuit,  // tolerances not one per value, or one outside [0, 1) or not finite
    Response,    // see ToleranceBand::response
};

// Minimum and maximum over the trials at each frequency. The phase edges are
// unwrapped per trial and then moved by the same multiple of 360 degrees as
// the displayed (principal) phase of the circuit at its own values, so the
// band lies around that curve and wraps with it, and may reach past +-180.
// Both edges always hold the curve of the circuit at its own values (trial 0);
// with every tolerance 0 they are that curve.
struct ToleranceBand {
    std::vector<double> gainLowDb;
    std::vector<double> gainHighDb;
    std::vector<double> phaseLowDeg;
    std::vector<double> phaseHighDeg;
    // The extremes of the trials' -3 dB frequencies (see halfPowerFrequency).
    std::optional<double> lowestCutoff;
    std::optional<double> highestCutoff;
    int trials = 0;
    BandFault fault = BandFault::None;  // curves empty unless None
    ResponseFault response = ResponseFault::None;
};

std::string_view faultText(BandFault fault);

// Monte Carlo over `options.trials` circuits. Each part of trial t >= 1 is
// value * (1 + tol * (2x - 1)), x uniform in [0, 1) with 53 random bits taken
// from the 64-bit output of std::mt19937_64 seeded through std::seed_seq with
// (seed, t): every step is fixed by the standard, so a seed gives the same
// band bit for bit on every machine and with any number of threads. The
// trials are shared out over the threads; `stop` is checked between trials.
ToleranceBand toleranceBand(const BandCircuit& circuit, std::span<const double> frequencies,
                            const BandOptions& options, std::stop_token stop = {});

}  // namespace tessaron
