// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/coefficient_tables.h"

namespace tessaron {

// The prototype tables, filled once for a whole benchmark program.
inline const CoefficientTables& filledTables() {
    static const CoefficientTables filled = [] {
        CoefficientTables t;
        t.Fill();
        return t;
    }();
    return filled;
}

}  // namespace tessaron
