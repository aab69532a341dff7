// SPDX-License-Identifier: GPL-3.0-or-later

#include "analysis/frequency_grid.h"

#include <cmath>

#include "mathlib/fp_guard.h"

namespace tessaron {
namespace {

// Beyond this a truncated bound no longer fits a signed 64-bit integer.
constexpr Extended kWholeHertzLimit = 9.2e18L;

}  // namespace

FrequencyGrid FrequencyGrid::forCutoff(Extended fc) {
    const Extended low = fp::checked(fc / 100);
    const Extended high = fp::checked(fc * 100);
    FrequencyGrid grid;
    if (std::fabs(high) < kWholeHertzLimit && std::fabs(low) < kWholeHertzLimit) {
        grid.lo_ = static_cast<std::int64_t>(low);
        const auto hi = static_cast<std::int64_t>(high);
        grid.step_ = static_cast<std::int64_t>(fp::checked(
            static_cast<Extended>(hi - grid.lo_ + 1) / static_cast<Extended>(kSweepPoints)));
        // A negative fc keeps its downward whole-hertz grid: none of it is drawn
        // on a logarithmic axis anyway.
        if (grid.step_ != 0 || fc <= 0) {
            return grid;
        }
    }
    grid.whole_ = false;
    grid.fineLo_ = low;
    grid.fineStep_ = fp::checked((high - low) / (kSweepPoints - 1));
    return grid;
}

std::vector<double> plottedFrequencies(Extended fc) {
    fp::Guard guard;
    const FrequencyGrid grid = FrequencyGrid::forCutoff(fc);
    std::vector<double> frequencies;
    frequencies.reserve(kSweepPoints);
    for (int k = 0; k < kSweepPoints; ++k) {
        frequencies.push_back(static_cast<double>(grid.at(k)));
    }
    return frequencies;
}

}  // namespace tessaron
