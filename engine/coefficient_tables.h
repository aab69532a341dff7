// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

#include "mathlib/extended.h"

namespace tessaron {

// 1 Butterworth, 2 Bessel, 3 Chebyshev: the integer the "Calc" buttons pass
// to the design routines.
using FilterFamily = int;
inline constexpr FilterFamily Butterworth = 1;
inline constexpr FilterFamily Bessel = 2;
inline constexpr FilterFamily Chebyshev = 3;

struct StageCoefficients {
    Extended Q;
    Extended FrequencyFactor;  // stage natural frequency / fc
};

inline constexpr int kMaxStages = 4;

inline int stageCount(int order) {
    return order / 2;
}

// The normalized prototype pairs: per family, rows for orders 2, 4, 6 and 8,
// four stage slots each, stages in ascending order of Q. Unused slots are (0, 0).
class CoefficientTables {
  public:
    void Fill();
    // Slot `stage` of the row for `order` in the table of `family`.
    const StageCoefficients& Lookup(FilterFamily family, int order, int stage) const;

  private:
    using Row = std::array<StageCoefficients, kMaxStages>;
    using Table = std::array<Row, 4>;
    std::array<Table, 3> tables_{};
};

}  // namespace tessaron
