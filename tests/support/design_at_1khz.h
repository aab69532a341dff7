// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/design_request.h"

namespace tessaron::testing {

// A request as a tab's reader leaves it for fc 1000 Hz and the everyday given
// values: 10 kΩ, 10 nF and 10 mH in every stage.
inline DesignRequest requestAt1kHz() {
    DesignRequest request;
    request.Fc = 1000;
    request.Omega = request.Fc * 6.283185307179586477L;
    request.GivenResistance.fill(10e3L);
    request.GivenCapacitance.fill(10e-9L);
    request.GivenInductance.fill(10e-3L);
    return request;
}

}  // namespace tessaron::testing
