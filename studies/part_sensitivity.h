// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <span>
#include <tuple>
#include <vector>

#include "engine/topologies.h"
#include "studies/standard_build.h"

namespace tessaron {

// What one part does to its stage and to the whole cascade at the values
// shown (the chosen ones, or the design's own):
//  - naturalFrequency and quality: S = d ln y / d ln x of its stage's fn and
//    Q (figureSensitivities);
//  - gainAtFc: S of the cascade's |H(j 2 pi fc)| to the part, by a central
//    difference (logSensitivity); only the part's own stage depends on it, so
//    that stage's gain alone is differenced;
//  - bandShare: its share of the tolerance band's spread at fc, by first-order
//    propagation of independent tolerances: ln|H| moves by sum_j S_j e_j for
//    relative errors e_j within +-tol_j, whose variance is proportional to
//    sum_j (S_j tol_j)^2 for any one distribution shared by all parts (the
//    band's uniform one gives tol_j^2 / 3 each), so
//      share_i = (S_i tol_i)^2 / sum_j (S_j tol_j)^2,
//    summed over every part of the cascade; all 0 where that sum is 0.
struct PartSensitivity {
    std::size_t part;  // its place among the design's values (and its designators)
    int stage;
    double naturalFrequency;
    double quality;
    double gainAtFc;
    double tolerance;  // relative, as given
    double bandShare;  // 0 to 1
};

// The rows in order of what matters most to the band: largest share first,
// then the largest |S| of Q, then of fn, then cascade order.
inline auto sortKey(const PartSensitivity& row) {
    return std::tuple(-row.bandShare, -std::abs(row.quality), -std::abs(row.naturalFrequency),
                      row.part);
}

struct Sensitivities {
    // One row per part of every stage whose values are all positive and
    // finite, in the order of the design's values; the other stages' parts
    // have none.
    std::vector<PartSensitivity> parts;
    // The row of the part with the largest |S| of Q (the first of equals), for
    // the summary; none without rows.
    std::optional<std::size_t> movesQualityMost;
};

// `values` and `tolerances` one per part of every stage, in the order of the
// design's values; fc in Hz, positive.
Sensitivities partSensitivities(TopologyKind topology, std::span<const double> values,
                                std::span<const double> tolerances, double fc);

// Each part's tolerance by its kind, in the order of the design's values.
std::vector<double> partTolerances(TopologyKind topology, std::size_t valueCount,
                                   ToleranceChoice tolerances);

}  // namespace tessaron
