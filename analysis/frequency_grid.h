// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

#include "mathlib/extended.h"

namespace tessaron {

inline constexpr int kSweepPoints = 10000;

// The sweep's 10,000 frequencies: whole hertz from trunc(fc / 100) in a whole-
// hertz step of trunc((hi - lo + 1) / 10000), hi = trunc(fc * 100), so fc 1000
// gives 10, 19, ..., 90001 Hz.
// Where that step would be 0 (0 < fc below about 100 Hz, every point at 0 Hz)
// or the bounds leave the 64-bit range, the grid runs in extended precision
// from fc / 100 to fc * 100 in equal steps instead.
class FrequencyGrid {
  public:
    // Must run inside a numeric guard: fc * 100 can overflow.
    static FrequencyGrid forCutoff(Extended fc);

    Extended at(int k) const {
        return whole_ ? static_cast<Extended>(lo_ + static_cast<std::int64_t>(k) * step_)
                      : fineLo_ + static_cast<Extended>(k) * fineStep_;
    }
    bool wholeHertz() const { return whole_; }

  private:
    bool whole_ = true;
    std::int64_t lo_ = 0;
    std::int64_t step_ = 0;
    Extended fineLo_ = 0;
    Extended fineStep_ = 0;
};

// The grid of `fc` as the charts get it: the 10,000 frequencies in double.
// Opens a numeric guard of its own; throws what forCutoff throws.
std::vector<double> plottedFrequencies(Extended fc);

}  // namespace tessaron
