// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

namespace tessaron {

// How a field's quantity may be written: the number, then optionally its
// unit, and where `prefixed`, optionally an SI prefix before the unit.
struct QuantityForm {
    std::string_view unit;
    bool prefixed;
};

inline constexpr QuantityForm kFrequencyForm{"Hz", true};  // "10k", "2.2 kHz", "1000"
inline constexpr QuantityForm kDecibelForm{"dB", false};   // "3", "0.5 dB"
inline constexpr QuantityForm kPercentForm{"%", false};    // "5", "5 %"

enum class QuantityFault {
    None,
    Empty,       // nothing but blanks
    NotANumber,  // not of the form below
    TooLarge,    // beyond the range of double
};

struct Quantity {
    double value = 0;  // 0 unless fault is None
    QuantityFault fault = QuantityFault::None;
};

// Reads a field as an engineer types it: a number as the exact path's reader
// takes it (parseNumber, with the window's decimal separator: sign, digits,
// exponent), then optional blanks, the prefix and the unit. The unit is matched
// whatever its case ("hz", "DB"), the prefix is not, since m and M differ.
// Prefixes are those engineeringText writes (z a f p n µ m k M G T P Z), and
// u or the Greek μ for micro and K for kilo as keyboards make people type
// them; E is left out, because "10E" is the exact reader's 10 with an empty
// exponent. The value is the number times the prefix's power of ten, each
// rounded once to extended precision and the product to double.
Quantity readQuantity(std::string_view text, QuantityForm form, std::string_view decimalSeparator);

}  // namespace tessaron
