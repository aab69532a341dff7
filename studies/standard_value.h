// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

#include "studies/e_series.h"

namespace tessaron {

// A part's chosen value. From a series it is kept as the digits a part is
// marked with and a power of ten (4.7 pF is 47 x 10^-13), so that its text is
// exact and `value` is the double nearest to it: 47 / 10^13 rounded once gives
// the same double as the literal 4.7e-12. Kept exactly ("exact"), significand
// is 0 and `value` is the design's value.
struct StandardValue {
    int significand = 0;
    int exponent = 0;
    double value = 0;

    bool fromSeries() const { return significand != 0; }
};

// significand x 10^exponent as a StandardValue, `value` rounded once from
// it (|exponent| <= 22).
StandardValue fromDigits(int significand, int exponent);

// Why a value cannot be given a standard value.
enum class ValueFault { None, NotANumber, Infinite, Zero, Negative, OutsideDecades };

// Series values are found for 1E-20 <= value < 1E21 (10 zF to 1000 EF, 10 zOhm
// to 1000 EOhm): the widest range in which every power of ten used is exact.
inline constexpr double kLowestRoundable = 1e-20;
inline constexpr double kRoundableLimit = 1e21;

// Plain words for the user: "is not a number", "is zero", ...
std::string_view faultText(ValueFault fault);

// The checks every part value passes before it is used in double: positive
// and finite.
ValueFault checkPartValue(double value);

struct RoundedValue {
    StandardValue standard;  // zero when fault is not None
    ValueFault fault = ValueFault::None;
};

// The member of `series` nearest to `value` on a logarithmic scale. Between
// two neighbours a and b the value is brought into its decade as a whole
// number of the series' digits (one multiplication or division by an exact
// power of ten) and goes to b when it is at or above sqrt(a * b), the
// geometric midpoint, so a tie goes to the larger value. Above the last value
// of a decade the next neighbour is the first of the decade above (9.53 k
// rounds to 10 k in E24). Series::Exact keeps any positive finite value.
RoundedValue nearestStandardValue(double value, Series series);

}  // namespace tessaron
