// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

#include "studies/opamp_model.h"

namespace tessaron {

// The fields of a passive cascade's termination, read as an engineer writes a
// resistance ("600", "4.7k", "1 kΩ", readQuantity) with the window's decimal
// separator, and checked as circuitModelProblem checks the termination: the
// source finite and not negative, the load above 0. The load's field also
// takes "open", in any case, or nothing at all, for no load: an infinity.
FieldReading readSourceResistanceField(std::string_view text, std::string_view decimalSeparator);
FieldReading readLoadResistanceField(std::string_view text, std::string_view decimalSeparator);

// What the load's field shows for no load.
inline constexpr std::string_view kOpenLoadText = "open";

}  // namespace tessaron
