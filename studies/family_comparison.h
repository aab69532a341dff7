// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include "engine/coefficient_tables.h"
#include "engine/design_parts.h"
#include "engine/design_request.h"
#include "engine/topologies.h"
#include "studies/delay_and_step.h"

namespace tessaron {

// The design a tab completed, and how it was asked for.
struct SizedDesign {
    TopologyKind topology;
    int method;
    FilterFamily family;
    int order;
    const DesignRequest& request;
    const DesignParts& parts;
};

struct FamilyDelayAndStep {
    FilterFamily family;
    DelayAndStepOutcome outcome;
};

// The delay and step of the design, and with `compare` those of the other two
// families sized the same way (same topology, order, method, fc and given
// values), all over one grid and one time span. The design's own family comes
// first, the others follow in the order of the tables. A family that cannot
// be sized or shown carries the reason; the others stand.
std::vector<FamilyDelayAndStep> delayAndStepOfFamilies(const CoefficientTables& tables,
                                                       const SizedDesign& design, bool compare);

}  // namespace tessaron
