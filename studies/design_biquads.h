// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>
#include <vector>

#include "engine/biquad.h"
#include "engine/design_parts.h"

namespace tessaron {

// The stage's response() in double, from its part values in the order of
// partSpecs. Values that are not positive give what the formulas give, an
// infinity for a zero, and leave no fault flag behind.
Biquad stageBiquad(TopologyKind topology, std::span<const double> stageValues);

// Every stage's biquad, from the part values of all stages one after another.
std::vector<Biquad> cascadeBiquads(TopologyKind topology, std::span<const double> values);

inline std::vector<Biquad> designBiquads(const DesignParts& design) {
    return cascadeBiquads(design.topology, design.values);
}

}  // namespace tessaron
