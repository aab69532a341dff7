// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace tessaron::x87 {

// Bit 6 of the control word is reserved and reads back as 1 on every x87 since
// the 387 (0x1332 reads 0x1372): compare words with it ignored.
inline constexpr std::uint16_t kReservedBit = 0x0040;

std::uint16_t readControlWord();
// Re-initializes the unit (register stack emptied, pending flags cleared), then
// loads `word`.
void reinitializeAndLoad(std::uint16_t word);

inline bool sameControlWord(std::uint16_t a, std::uint16_t b) {
    return ((a ^ b) & ~kReservedBit) == 0;
}

}  // namespace tessaron::x87
