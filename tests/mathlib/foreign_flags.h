// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "mathlib/extended.h"

namespace tessaron::testing {

// Ways code that is not ours leaves a sticky flag behind: the x87 ones raised
// with the faults masked and the word it found put back (as a library that
// masks for itself does), the SSE ones under the runtime's fully masked MXCSR
// (as Qt's text layout does).
struct ForeignFlag {
    const char* name;
    void (*raise)();
};

namespace detail {

inline volatile Extended gZeroX = 0.0L;
inline volatile Extended gOneX = 1.0L;
inline volatile Extended gHugeX = 1e4000L;
inline volatile Extended gDenormalX = 1e-4940L;
inline volatile Extended gSinkX = 0.0L;
inline volatile double gZeroD = 0.0;
inline volatile double gOneD = 1.0;
inline volatile double gHugeD = 1e308;
inline volatile double gThreeD = 3.0;
inline volatile double gSinkD = 0.0;

template <class Compute>
void withX87Masked(Compute compute) {
    std::uint16_t found;
    asm volatile("fnstcw %0" : "=m"(found));
    const auto masked = static_cast<std::uint16_t>(found | 0x3F);
    asm volatile("fldcw %0" : : "m"(masked) : "memory");
    compute();
    // Loading the word again leaves the flags; an unmasked one is now pending.
    asm volatile("fldcw %0" : : "m"(found) : "memory");
}

}  // namespace detail

inline constexpr ForeignFlag kForeignFlags[] = {
    {"X87Invalid",
     [] { detail::withX87Masked([] { detail::gSinkX = detail::gZeroX / detail::gZeroX; }); }},
    {"X87ZeroDivide",
     [] { detail::withX87Masked([] { detail::gSinkX = detail::gOneX / detail::gZeroX; }); }},
    {"X87Overflow",
     [] { detail::withX87Masked([] { detail::gSinkX = detail::gHugeX * detail::gHugeX; }); }},
    {"X87Denormal",
     [] { detail::withX87Masked([] { detail::gSinkX = detail::gDenormalX * detail::gOneX; }); }},
    {"SseInvalid", [] { detail::gSinkD = detail::gZeroD / detail::gZeroD; }},
    {"SseZeroDivide", [] { detail::gSinkD = detail::gOneD / detail::gZeroD; }},
    {"SseOverflow", [] { detail::gSinkD = detail::gHugeD * detail::gHugeD; }},
    {"SsePrecision", [] { detail::gSinkD = detail::gOneD / detail::gThreeD; }},
};

}  // namespace tessaron::testing
