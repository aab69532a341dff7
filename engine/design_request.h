// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

#include "engine/coefficient_tables.h"
#include "mathlib/extended.h"

namespace tessaron {

// What the input reader of a tab leaves for its design routines. One record is
// shared by the three tabs; each reader overwrites the fields its tab uses.
struct DesignRequest {
    Extended Fc = 0;
    Extended Omega = 0;  // Fc * 2pi
    std::array<Extended, kMaxStages> GivenResistance{};
    std::array<Extended, kMaxStages> GivenCapacitance{};
    std::array<Extended, kMaxStages> GivenInductance{};

    void Zero() { *this = DesignRequest{}; }
};

}  // namespace tessaron
