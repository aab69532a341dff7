// SPDX-License-Identifier: GPL-3.0-or-later

#include "mathlib/x87.h"

#include "mathlib/fp_guard.h"

namespace tessaron::x87 {

std::uint16_t readControlWord() {
    std::uint16_t word;
    asm volatile("fnstcw %0" : "=m"(word));
    return word;
}

// Kept out of line: `fninit` empties the register stack, which is only harmless
// where the calling convention guarantees that no x87 value is live.
__attribute__((noinline)) void reinitializeAndLoad(std::uint16_t word) {
    // Inside a Guard the word becomes the one the Guard restores and checks
    // against, while the unit itself stays masked until the Guard ends.
    const std::uint16_t effective = fp::detail::adoptLoadedWord(word);
    asm volatile(
        "fninit\n\t"
        "fldcw %0"
        :
        : "m"(effective)
        : "memory");
}

}  // namespace tessaron::x87
