// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "mathlib/extended.h"
#include "mathlib/fp_guard.h"
#include "mathlib/x87_instructions.h"

namespace tessaron {

// Every sizing formula goes through this, so a fault is reported by the formula
// that caused it rather than by a later one that tripped over its infinity.
inline Extended formula(Extended value) {
    return fp::checked(value);
}

}  // namespace tessaron
