// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <limits>

namespace tessaron {

// Every stored and computed value of the engine, the report and the sweep is an
// x87 80-bit real. Results are only reproducible to the last bit with that format.
using Extended = long double;
static_assert(std::numeric_limits<Extended>::digits == 64,
              "Tessaron needs the x87 extended format (64-bit significand)");

inline constexpr Extended kTwoPi = 6.283185307179586477L;
inline constexpr Extended kPi = 3.1415926535897932385L;

}  // namespace tessaron
