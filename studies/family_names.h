// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

#include "engine/coefficient_tables.h"

namespace tessaron {

// "Butterworth", "Bessel", "Chebyshev" as the tabs' buttons name them; empty
// for a number that is no family.
std::string_view familyLabel(FilterFamily family);

// "2nd", "4th", "8th"; the tables also know 6 ("6th").
std::string orderLabel(int order);

}  // namespace tessaron
