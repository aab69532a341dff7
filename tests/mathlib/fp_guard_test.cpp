// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <typeinfo>

#include "mathlib/fp_guard.h"
#include "mathlib/math_errors.h"
#include "mathlib/math_lib.h"
#include "mathlib/x87.h"
#include "tests/mathlib/foreign_flags.h"
#include "tests/mathlib/fpu_probe.h"

namespace tessaron {
namespace {

using probe::FpuTest;
using probe::kProgramWord;

// Operands the compiler cannot see through, so every fault happens at run time.
volatile Extended gZero = 0.0L;
volatile Extended gOne = 1.0L;
volatile Extended gHuge = 1e4000L;
volatile Extended gTiny = 1e-4000L;
volatile double gZeroDouble = 0.0;
volatile Extended gSink = 0.0L;
// Read from memory: the compiler may materialize a literal π with fldpi, which
// itself obeys the rounding mode under test.
volatile Extended gNearestPi = kPi;

struct FaultCase {
    std::string name;
    std::function<void()> compute;
    const std::type_info* type;
    std::string message;
};

void PrintTo(const FaultCase& c, std::ostream* os) {
    *os << c.name;
}

class Faults : public FpuTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(Faults, RaisedTwiceInARowLeavingTheWordAndNoFlags) {
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        try {
            fp::Guard guard;
            GetParam().compute();
            ADD_FAILURE() << "no exception";
        } catch (const EMathError& e) {
            EXPECT_EQ(typeid(e), *GetParam().type);
            EXPECT_EQ(e.Message(), GetParam().message);
        }
        EXPECT_TRUE(x87::sameControlWord(x87::readControlWord(), kProgramWord));
        EXPECT_EQ(probe::pendingFlags() & 0x0Du, 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(
    RealComputations, Faults,
    ::testing::Values(FaultCase{"DivisionByZero", [] { gSink = fp::checked(gOne / gZero); },
                                &typeid(EZeroDivide), "0 による浮動小数点数除算"},
                      FaultCase{"Overflow", [] { gSink = fp::checked(gHuge * gHuge); },
                                &typeid(EOverflow), "浮動小数点数のオーバーフロー"},
                      FaultCase{"InvalidOperation", [] { gSink = fp::checked(gZero / gZero); },
                                &typeid(EInvalidOp), "不正な浮動小数点数演算命令"},
                      // The invalid operation follows from the infinity: the cause is reported.
                      FaultCase{"InfinityThenInvalid",
                                [] {
                                    const Extended inf = gHuge * gHuge;
                                    gSink = fp::checked(inf - inf);
                                },
                                &typeid(EOverflow), "浮動小数点数のオーバーフロー"},
                      // Several flags at once: zero divide before overflow before invalid.
                      FaultCase{"ZeroDivideAndOverflowTogether",
                                [] {
                                    const Extended overflowed = gHuge * gHuge;
                                    const Extended divided = gOne / gZero;
                                    gSink = fp::checked(overflowed + divided);
                                },
                                &typeid(EZeroDivide), "0 による浮動小数点数除算"},
                      FaultCase{"DoubleDivisionByZero",
                                [] { gSink = fp::checked(1.0 / static_cast<double>(gZeroDouble)); },
                                &typeid(EZeroDivide), "0 による浮動小数点数除算"},
                      FaultCase{"OverflowInsideTheComponent",
                                [] {
                                    TMathLib lib(nullptr);
                                    lib.InitializeFPU = false;
                                    bool fired = false;
                                    lib.OnFxFinished = [&](TComponent*) { fired = true; };
                                    lib.OnFxSqrFinished = lib.OnFxFinished;
                                    try {
                                        gSink = lib.FxSqr(1e3000L);
                                    } catch (...) {
                                        EXPECT_FALSE(fired);
                                        throw;
                                    }
                                },
                                &typeid(EOverflow), "浮動小数点数のオーバーフロー"},
                      // Inside a computation's Guard the component leaves the
                      // test to the computation's next formula boundary.
                      FaultCase{"OverflowInsideTheComponentAtTheNextCheck",
                                [] {
                                    TMathLib lib(nullptr);
                                    lib.InitializeFPU = false;
                                    gSink = fp::checked(lib.FxCarg({gTiny, 1e4000L}));
                                },
                                &typeid(EOverflow), "浮動小数点数のオーバーフロー"}),
    [](const auto& param) { return param.param.name; });

TEST_F(FpuTest, MaskedFaultsPassUnnoticed) {
    x87::reinitializeAndLoad(0x037F);
    Extended quotient = 0.0L;
    EXPECT_NO_THROW({
        fp::Guard guard;
        quotient = fp::checked(gOne / gZero);
    });
    EXPECT_GT(quotient, 1e4000L);
    EXPECT_TRUE(x87::sameControlWord(x87::readControlWord(), 0x037F));
}

TEST_F(FpuTest, UnderflowOnlyWhenTheWordUnmasksIt) {
    TMathLib lib(nullptr);
    lib.InitializeFPU = false;
    Complex r{};
    // Masked: the squared modulus is 0 and the component's own error follows.
    EXPECT_THROW(lib.FxCdiv({1.0L, 0.0L}, {1e-3000L, 0.0L}, r), EComplexError);
    // Unmasked, the underflow inside the squares comes first.
    x87::reinitializeAndLoad(0x1322);
    EXPECT_THROW(lib.FxCdiv({1.0L, 0.0L}, {1e-3000L, 0.0L}, r), EUnderflow);
}

TEST_F(FpuTest, NestedGuardsKeepTheUnitMaskedUntilTheOutermostEnds) {
    {
        fp::Guard outer;
        EXPECT_EQ(x87::readControlWord() & 0x3F, 0x3F);
        {
            fp::Guard inner;
            EXPECT_EQ(x87::readControlWord() & 0x3F, 0x3F);
        }
        EXPECT_EQ(x87::readControlWord() & 0x3F, 0x3F);
        EXPECT_TRUE(x87::sameControlWord(fp::loadedControlWord(), kProgramWord));
        EXPECT_THROW(gSink = fp::checked(gOne / gZero), EZeroDivide);
    }
    EXPECT_TRUE(x87::sameControlWord(x87::readControlWord(), kProgramWord));
}

TEST_F(FpuTest, WordLoadedInsideAGuardIsAdopted) {
    x87::reinitializeAndLoad(0x037F);
    {
        fp::Guard guard;
        x87::reinitializeAndLoad(kProgramWord);
        EXPECT_EQ(x87::readControlWord() & 0x3F, 0x3F);
        EXPECT_THROW(gSink = fp::checked(gOne / gZero), EZeroDivide);
    }
    EXPECT_TRUE(x87::sameControlWord(x87::readControlWord(), kProgramWord));
}

TEST_F(FpuTest, PrecisionAndRoundingOfTheLoadedWordStayInForce) {
    TMathLib lib(nullptr);
    lib.InitializeFPU = false;
    const Extended x = 1.0L + 0x1p-30L;
    x87::reinitializeAndLoad(0x1232);  // 53-bit significands
    EXPECT_EQ(lib.FxSqr(x), 1.0L + 0x1p-29L);
    x87::reinitializeAndLoad(0x1732);  // toward minus infinity
    EXPECT_LT(lib.FxPi(), gNearestPi);
    x87::reinitializeAndLoad(kProgramWord);
    EXPECT_EQ(lib.FxSqr(x), 1.0L + 0x1p-29L + 0x1p-60L);
    EXPECT_EQ(lib.FxPi(), gNearestPi);
}

TEST_F(FpuTest, PendingFaultOutsideAGuardIsRaisedInsteadOfTrapping) {
    x87::reinitializeAndLoad(0x037F);
    const Extended quotient = gOne / gZero;
    gSink = quotient;
    // The flag is set; under the program's word it counts as a fault.
    asm volatile("fldcw %0" : : "m"(kProgramWord));
    EXPECT_THROW(fp::throwPendingFault(), EZeroDivide);
    EXPECT_EQ(probe::x87Flags(), 0u);
}

// Code that is not ours, called from inside a computation

constexpr auto kMaskedProgramWord =
    static_cast<std::uint16_t>(kProgramWord | fp::detail::kFaultBits);

TEST_F(FpuTest, ForeignCodeRunsAsBetweenComputations) {
    fp::Guard guard;
    {
        fp::ForeignCall foreign;
        EXPECT_TRUE(x87::sameControlWord(x87::readControlWord(), kProgramWord));
        EXPECT_FALSE(fp::insideGuard());
        // Numeric code it calls back opens a Guard of its own, and its faults
        // are raised there.
        TMathLib lib(nullptr);
        lib.InitializeFPU = false;
        EXPECT_THROW(gSink = lib.FxSqr(1e3000L), EOverflow);
        EXPECT_TRUE(x87::sameControlWord(x87::readControlWord(), kProgramWord));
    }
    EXPECT_TRUE(fp::insideGuard());
    EXPECT_TRUE(x87::sameControlWord(x87::readControlWord(), kMaskedProgramWord));
    EXPECT_THROW(gSink = fp::checked(gOne / gZero), EZeroDivide);
}

class ForeignFlags : public FpuTest, public ::testing::WithParamInterface<testing::ForeignFlag> {};

TEST_P(ForeignFlags, AreDroppedWhileOurOwnFaultsStillCount) {
    fp::Guard guard;
    {
        fp::ForeignCall foreign;
        GetParam().raise();
    }
    EXPECT_EQ(probe::pendingFlags(), 0u);
    EXPECT_TRUE(x87::sameControlWord(x87::readControlWord(), kMaskedProgramWord));
    EXPECT_NO_THROW(gSink = fp::checked(gOne + gOne));
    EXPECT_THROW(gSink = fp::checked(gHuge * gHuge), EOverflow);
}

TEST_P(ForeignFlags, AreDroppedWhenTheForeignCodeThrows) {
    fp::Guard guard;
    try {
        fp::ForeignCall foreign;
        GetParam().raise();
        throw std::runtime_error("foreign failure");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(probe::pendingFlags(), 0u);
    EXPECT_TRUE(x87::sameControlWord(x87::readControlWord(), kMaskedProgramWord));
}

INSTANTIATE_TEST_SUITE_P(Kinds, ForeignFlags, ::testing::ValuesIn(testing::kForeignFlags),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(FpuTest, OurPendingFaultIsRaisedBeforeForeignCodeRuns) {
    fp::Guard guard;
    gSink = gOne / gZero;  // not yet checked
    bool ran = false;
    EXPECT_THROW(
        {
            fp::ForeignCall foreign;
            ran = true;
        },
        EZeroDivide);
    EXPECT_FALSE(ran);
    EXPECT_TRUE(fp::insideGuard());
    EXPECT_TRUE(x87::sameControlWord(x87::readControlWord(), kMaskedProgramWord));
}

TEST_F(FpuTest, WordsLoadedByForeignCodeDoNotReachTheComputation) {
    const std::uint32_t mxcsr = probe::readMxcsr();
    fp::Guard guard;
    {
        fp::ForeignCall foreign;
        // 53-bit significands, toward zero; SSE toward zero and denormals as 0.
        const std::uint16_t word = 0x1E3F;
        asm volatile("fldcw %0" : : "m"(word));
        const std::uint32_t other = mxcsr | 0x6040u;
        asm volatile("ldmxcsr %0" : : "m"(other));
    }
    EXPECT_TRUE(x87::sameControlWord(x87::readControlWord(), kMaskedProgramWord));
    EXPECT_EQ(probe::readMxcsr(), mxcsr & ~0x3Fu);
}

TEST_F(FpuTest, OutsideAGuardAForeignCallTouchesNothing) {
    gSink = gOne / gHuge;  // inexact, masked under the program's word
    const unsigned flags = probe::pendingFlags();
    ASSERT_NE(flags, 0u);
    {
        fp::ForeignCall foreign;
        EXPECT_EQ(probe::pendingFlags(), flags);
    }
    EXPECT_EQ(probe::pendingFlags(), flags);
    EXPECT_TRUE(x87::sameControlWord(x87::readControlWord(), kProgramWord));
}

// The net's effect is only visible in a process that traps for real, so the
// trap happens in a child.
TEST(TrapSafetyNet, X87TrapOutsideAGuardIsSurvived) {
    EXPECT_EXIT(
        {
            alarm(10);  // a handler that returns without masking traps forever
            fp::installTrapSafetyNet();
            x87::reinitializeAndLoad(kProgramWord);
            gSink = gOne / gZero;
            // Reaching here with all faults masked shows the handler ran.
            std::exit((x87::readControlWord() & 0x3F) == 0x3F ? 0 : 3);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(TrapSafetyNet, SseTrapOutsideAGuardIsSurvived) {
    EXPECT_EXIT(
        {
            alarm(10);
            fp::installTrapSafetyNet();
            const std::uint32_t unmaskZeroDivide = probe::readMxcsr() & ~0x0200u;
            asm volatile("ldmxcsr %0" : : "m"(unmaskZeroDivide));
            volatile double quotient = 1.0 / gZeroDouble;
            (void)quotient;
            std::exit((probe::readMxcsr() & 0x0200u) != 0 ? 0 : 3);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace tessaron
