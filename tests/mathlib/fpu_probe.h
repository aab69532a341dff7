// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <cstdint>

#include "mathlib/fp_guard.h"
#include "mathlib/x87.h"

namespace tessaron::probe {

// The word the test program runs under, as the window's component loads it.
inline constexpr std::uint16_t kProgramWord = 0x1332;

// Sticky fault flags of the x87 status word and of MXCSR, or-ed together.
inline unsigned pendingFlags() {
    std::uint16_t status;
    std::uint32_t mxcsr;
    asm volatile("fnstsw %0" : "=a"(status));
    asm volatile("stmxcsr %0" : "=m"(mxcsr));
    return (status | mxcsr) & 0x3Fu;
}

inline unsigned x87Flags() {
    std::uint16_t status;
    asm volatile("fnstsw %0" : "=a"(status));
    return status & 0x3Fu;
}

inline std::uint32_t readMxcsr() {
    std::uint32_t mxcsr;
    asm volatile("stmxcsr %0" : "=m"(mxcsr));
    return mxcsr;
}

// Tests that load other words leave the unit as they found it for the next one.
class FpuTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(x87::sameControlWord(x87::readControlWord(), kProgramWord));
    }
    void TearDown() override {
        x87::reinitializeAndLoad(kProgramWord);
        fp::discardFaults();
    }
};

}  // namespace tessaron::probe
