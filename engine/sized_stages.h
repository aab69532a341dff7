// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

#include "engine/coefficient_tables.h"
#include "engine/design_request.h"
#include "engine/topology.h"

namespace tessaron {

template <Topology T>
using StageArray = std::array<typename T::Stage, kMaxStages>;

// Sizes the stages of `order` one after another, each by `method` to its slot
// of the family's table and its given value in the request, and hands each to
// `sized(i, stage)` before the next is sized (the run reports it there, so the
// report grows stage by stage). Returns the number of stages. The caller opens
// the numeric guard; a fault ends the loop where it happens.
template <Topology T, class Sized>
int sizeStages(const CoefficientTables& tables, const DesignRequest& request, int method,
               FilterFamily family, int order, StageArray<T>& stages, Sized&& sized) {
    const int n = stageCount(order);
    for (int i = 0; i < n; ++i) {
        const StageCoefficients& prototype = tables.Lookup(family, order, i);
        auto& stage = stages[static_cast<std::size_t>(i)];
        stage = T::size(method, prototype, request.Omega, givenValue<T>(request, method, i));
        sized(i, stage);
    }
    return n;
}

}  // namespace tessaron
