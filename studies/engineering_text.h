// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

#include "studies/standard_value.h"

namespace tessaron {

// A part value as an engineer writes it, with an SI prefix between z (1E-21)
// and Z (1E21): "10 kΩ", "5.6 nF", "4.7 mH", "4.75 kΩ". A series value shows
// its own digits without trailing zeros; a kept value shows six significant
// digits ("5.63928 nF"). Outside the prefixes the power of ten is written out
// ("1.2E-24 F").
std::string engineeringText(const StandardValue& value, std::string_view unit,
                            std::string_view decimalSeparator = ".");

}  // namespace tessaron
