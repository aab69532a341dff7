// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <variant>

#include "engine/coefficient_tables.h"
#include "engine/design_parts.h"
#include "engine/design_request.h"
#include "engine/topologies.h"
#include "studies/delay_and_step.h"

namespace tessaron {

// The stages a run would size for this topology, method, family and order from
// `request`, without a report or a sweep: for the studies that set a design of
// one family beside the same design of another. Runs in extended precision in
// a numeric guard like the run, and throws what the run would throw at the
// same stage.
DesignParts sizeDesign(const CoefficientTables& tables, TopologyKind topology,
                       const DesignRequest& request, int method, FilterFamily family, int order);

// The same, with a fault of the sizing turned into why the design cannot be
// shown, so that one family that does not size leaves the others standing.
std::variant<DesignParts, Unshowable> sizeDesignOrWhy(const CoefficientTables& tables,
                                                      TopologyKind topology,
                                                      const DesignRequest& request, int method,
                                                      FilterFamily family, int order);

}  // namespace tessaron
