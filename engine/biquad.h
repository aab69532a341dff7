// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace tessaron {

// A second-order low-pass section in double precision, a topology's stage as
// the studies beside the exact design see it (standard values, tolerances,
// delay and step):
// H(s) = k / (s^2 + b1 s + b0), so b0 = w0^2 and b1 = w0 / Q, and k = +-b0 for
// a unit-gain stage (negative where the stage inverts).
struct Biquad {
    double k;
    double b1;
    double b0;
};

}  // namespace tessaron
