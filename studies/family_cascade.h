// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include "engine/biquad.h"
#include "engine/coefficient_tables.h"

namespace tessaron {

// The cascade a design of `family` and `order` at `fc` Hz has with exact
// parts, in double and before any circuit is chosen: stage i at
// w0 = 2 pi fc FrequencyFactor with the table's Q, unit gain (k = b0). Every
// topology realises it up to the sign of its gain, which no loss, delay or
// overshoot sees.
std::vector<Biquad> familyCascade(const CoefficientTables& tables, FilterFamily family, int order,
                                  double fc);

}  // namespace tessaron
