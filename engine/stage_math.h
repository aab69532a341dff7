#pragma once

#include "engine/design_request.h"
#include "mathlib/extended.h"
#include "mathlib/fp_guard.h"
#include "mathlib/x87_instructions.h"

namespace tessaron {

// What the report shows of a stage, recomputed from its components.
struct StageFigures {
    Extended naturalFrequency;  // Hz
    Extended quality;
};

// The active stages fix their resistance Rx by method 1 and C2 by method 2.
inline Extended activeStageGiven(const DesignRequest& request, int method, int stage) {
    const auto i = static_cast<std::size_t>(stage);
    return method == 1 ? request.GivenResistance[i] : request.GivenCapacitance[i];
}

// Every sizing formula goes through this, so a fault is reported by the formula
// that caused it rather than by a later one that tripped over its infinity.
inline Extended formula(Extended value) {
    return fp::checked(value);
}

}  // namespace tessaron
