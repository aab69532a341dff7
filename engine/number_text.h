// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string_view>

#include "mathlib/extended.h"

namespace tessaron {

// Reads a field's text as a number: leading blanks, an optional sign, digits with
// an optional decimal separator and more digits (at least one digit or the
// separator), an optional exponent ("E"/"e", optional sign, digits: none means 0),
// trailing blanks. Nothing else: no grouping, no hex, no infinities.
// Returns nothing for text of another form or a magnitude beyond the extended
// range; an underflow reads as the nearest extended (possibly 0).
// Independent of the C library's locale.
std::optional<Extended> parseNumber(std::string_view text, std::string_view decimalSeparator);

}  // namespace tessaron
