// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/coefficient_tables.h"
#include "studies/requirements.h"

namespace tessaron {

enum class Requirement { PassBand, StopBand, Overshoot, DelayVariation };

// "pass band", "stop band", "overshoot", "delay variation".
std::string_view requirementName(Requirement requirement);

// The designs the table weighs, in the order of its rows: each family, each
// order.
inline constexpr std::array<FilterFamily, 3> kCandidateFamilies{Butterworth, Bessel, Chebyshev};
inline constexpr std::array<int, 3> kCandidateOrders{2, 4, 8};

// One family and order at its balancedCutoff(), measured on familyCascade()
// there. Every number is finite.
struct Candidate {
    FilterFamily family;
    int order;
    double fc;                 // Hz
    double passLossDb;         // loss at fp
    double stopAttenuationDb;  // attenuation at fs
    double passMarginDb;       // Ap - passLossDb
    double stopMarginDb;       // stopAttenuationDb - As, equal to passMarginDb but for rounding
    // The step's, as the Response window shows it (delayAndStep); empty in
    // the unlikely case that it cannot show this cascade.
    std::optional<double> overshootPercent;
    double delayVariationPercent;  // passBandDelayVariation over 0..fp
    // What it fails, in the order of Requirement. The pass band and the stop
    // band fail together, when the common margin is negative: then no fc meets
    // both. A limit not asked for is never failed; one asked for fails where
    // the figure exceeds it or is missing.
    std::vector<Requirement> failed;
    bool lowestPassing = false;  // the lowest order of its family that fails nothing

    bool meetsAll() const { return failed.empty(); }
};

// Every family and order of the table, in the order of kCandidateFamilies and
// kCandidateOrders. Throws std::invalid_argument where `requirements` does not
// pass checkRequirements.
std::vector<Candidate> candidateTable(const CoefficientTables& tables,
                                      const Requirements& requirements);

}  // namespace tessaron
