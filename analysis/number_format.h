// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

#include "mathlib/extended.h"

namespace tessaron {

// The report's general decimal format: 15 significant digits (taken from the
// value rounded to 18 digits), no trailing zeros, fixed notation from 0.0001 up
// to below 1E15, scientific ("1.5E-8") outside. The separator is the locale's.
std::string formatNumber(Extended value, std::string_view decimalSeparator);

}  // namespace tessaron
