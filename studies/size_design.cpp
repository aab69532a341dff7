// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/size_design.h"

#include <exception>
#include <span>
#include <stdexcept>
#include <string>

#include "engine/sized_stages.h"
#include "mathlib/fp_guard.h"

namespace tessaron {
namespace {

// `done` counts the stages sized, so that a fault can be placed at the next.
template <Topology T>
DesignParts sized(const CoefficientTables& tables, const DesignRequest& request, int method,
                  FilterFamily family, int order, int& done) {
    fp::Guard guard;
    StageArray<T> stages{};
    const int n = sizeStages<T>(tables, request, method, family, order, stages,
                                [&](int i, const typename T::Stage&) { done = i + 1; });
    return designParts<T>(
        request.Fc, std::span<const typename T::Stage>(stages.data(), static_cast<std::size_t>(n)));
}

DesignParts sizeCounting(const CoefficientTables& tables, TopologyKind topology,
                         const DesignRequest& request, int method, FilterFamily family, int order,
                         int& done) {
    if (method != 1 && method != 2) {
        throw std::invalid_argument("Sizing method must be 1 or 2");
    }
    return withTopology(topology, [&]<Topology T>() {
        return sized<T>(tables, request, method, family, order, done);
    });
}

}  // namespace

DesignParts sizeDesign(const CoefficientTables& tables, TopologyKind topology,
                       const DesignRequest& request, int method, FilterFamily family, int order) {
    int done = 0;
    return sizeCounting(tables, topology, request, method, family, order, done);
}

std::variant<DesignParts, Unshowable> sizeDesignOrWhy(const CoefficientTables& tables,
                                                      TopologyKind topology,
                                                      const DesignRequest& request, int method,
                                                      FilterFamily family, int order) {
    int done = 0;
    try {
        return sizeCounting(tables, topology, request, method, family, order, done);
    } catch (const std::exception& error) {
        // The stage named as the report names it, with the message the error
        // box would show.
        return Unshowable{"Unit " + std::to_string(done) + " cannot be sized: " + error.what()};
    }
}

}  // namespace tessaron
