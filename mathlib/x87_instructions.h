// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "mathlib/extended.h"

namespace tessaron::x87 {

// The processor's own instructions, so results are those of the x87 under the
// loaded control word rather than of a library approximation.

inline Extended pi() {
    Extended value;
    asm("fldpi" : "=t"(value));
    return value;
}

inline Extended sqrt(Extended x) {
    asm("fsqrt" : "+t"(x));
    return x;
}

// log2(x) * log10(2) in one instruction, rounded once.
inline Extended log10(Extended x) {
    Extended log10Of2;
    asm("fldlg2" : "=t"(log10Of2));
    Extended result;
    asm("fyl2x" : "=t"(result) : "0"(x), "u"(log10Of2) : "st(1)");
    return result;
}

// Two-argument arctangent of (y, x).
inline Extended atan2(Extended y, Extended x) {
    Extended result;
    asm("fpatan" : "=t"(result) : "0"(x), "u"(y) : "st(1)");
    return result;
}

}  // namespace tessaron::x87
