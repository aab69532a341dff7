// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>

#include "mathlib/fp_guard.h"
#include "mathlib/math_lib.h"
#include "mathlib/x87.h"
#include "tests/mathlib/fpu_probe.h"

namespace tessaron {
namespace {

using probe::FpuTest;
using probe::kProgramWord;

struct ComposeCase {
    std::string name;
    std::function<void(TMathLib&)> configure;
    std::uint16_t expected;
};

void PrintTo(const ComposeCase& c, std::ostream* os) {
    *os << c.name;
}

class ComposeControlWord : public ::testing::TestWithParam<ComposeCase> {};

TEST_P(ComposeControlWord, FromProperties) {
    TMathLib lib(nullptr);
    lib.InitializeFPU = false;
    GetParam().configure(lib);
    EXPECT_EQ(lib.ComposeControlWord(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Properties, ComposeControlWord,
    ::testing::Values(
        ComposeCase{"Defaults", [](TMathLib&) {}, 0x1332},
        ComposeCase{"AllMaskedSingleTowardZeroNoInfinity",
                    [](TMathLib& m) {
                        m.SetInvalidOperationExceptionMask(true);
                        m.SetDenormalizedOperandExceptionMask(true);
                        m.SetZeroDivideExceptionMask(true);
                        m.SetOverflowExceptionMask(true);
                        m.SetUnderflowExceptionMask(true);
                        m.SetPrecisionExceptionMask(true);
                        m.SetPrecisionControl(TPrecisionControl::SinglePrecision);
                        m.SetRoundingControl(TRoundingControl::RoundTowardZero);
                        m.SetInfinityControlFlag(false);
                    },
                    0x0C3F},
        ComposeCase{"NoneMaskedDoubleDown",
                    [](TMathLib& m) {
                        m.SetInvalidOperationExceptionMask(false);
                        m.SetDenormalizedOperandExceptionMask(false);
                        m.SetZeroDivideExceptionMask(false);
                        m.SetOverflowExceptionMask(false);
                        m.SetUnderflowExceptionMask(false);
                        m.SetPrecisionExceptionMask(false);
                        m.SetPrecisionControl(TPrecisionControl::DoublePrecision);
                        m.SetRoundingControl(TRoundingControl::RoundDown);
                        m.SetInfinityControlFlag(true);
                    },
                    0x1600},
        ComposeCase{"RoundUpOnly",
                    [](TMathLib& m) { m.SetRoundingControl(TRoundingControl::RoundUp); }, 0x1B32}),
    [](const auto& param) { return param.param.name; });

TEST(ControlWordReadBack, ZeroStandsForTheRuntimeDefault) {
    struct Case {
        std::uint16_t read;
        std::uint16_t expected;
    };
    // 0x0040 is what loading 0 reads back as: still "no word".
    for (const Case c : {Case{0x0000, 0x1332}, Case{0x0040, 0x1332}, Case{0x037F, 0x037F},
                         Case{0x1372, 0x1372}, Case{0x0001, 0x0001}}) {
        struct Probe : TMathLib {
            using TMathLib::ControlWordOrDefault;
        };
        EXPECT_EQ(Probe::ControlWordOrDefault(c.read), c.expected) << std::hex << c.read;
    }
}

TEST_F(FpuTest, ConstructionSavesTheWordAndLoadsNothing) {
    x87::reinitializeAndLoad(0x037F);
    TMathLib lib(nullptr);
    lib.InitializeFPU = false;
    EXPECT_TRUE(x87::sameControlWord(lib.SavedControlWord(), 0x037F));
    EXPECT_EQ(lib.ControlWord(), 0x1332);
    EXPECT_TRUE(x87::sameControlWord(x87::readControlWord(), 0x037F));
}

TEST_F(FpuTest, WordLoadedAsZeroIsSavedAsTheDefault) {
    // Inside a Guard the unit stays masked whatever is loaded, so even the
    // all-unmasked word 0 can be in force while the component is built.
    fp::Guard guard;
    x87::reinitializeAndLoad(0x0000);
    TMathLib lib(nullptr);
    lib.InitializeFPU = false;
    x87::reinitializeAndLoad(kProgramWord);
    EXPECT_EQ(lib.SavedControlWord(), 0x1332);
}

TEST_F(FpuTest, FinishLoadingLoadsAndDestructionRestores) {
    x87::reinitializeAndLoad(0x027F);
    {
        TMathLib lib(nullptr);
        lib.SetOverflowExceptionMask(true);
        EXPECT_EQ(lib.ControlWord(), 0x1332) << "setters must not recompose";
        lib.FinishLoading();
        EXPECT_EQ(lib.ControlWord(), 0x133A);
        EXPECT_TRUE(x87::sameControlWord(x87::readControlWord(), 0x133A));
    }
    EXPECT_TRUE(x87::sameControlWord(x87::readControlWord(), 0x027F));
}

TEST_F(FpuTest, LoadingClearsPendingFlags) {
    x87::reinitializeAndLoad(0x037F);
    volatile Extended zero = 0.0L;
    volatile Extended quotient = 1.0L / zero;
    (void)quotient;
    ASSERT_NE(probe::x87Flags() & 0x04u, 0u);
    TMathLib lib(nullptr);
    // A flag left set under the newly unmasked word would trap at the next
    // x87 instruction.
    lib.FinishLoading();
    EXPECT_EQ(probe::x87Flags(), 0u);
}

TEST_F(FpuTest, SettersAfterLoadingChangeNothing) {
    TMathLib lib(nullptr);
    lib.FinishLoading();
    const std::uint16_t unitBefore = x87::readControlWord();
    lib.SetZeroDivideExceptionMask(true);
    lib.SetInvalidOperationExceptionMask(true);
    lib.SetPrecisionControl(TPrecisionControl::SinglePrecision);
    lib.SetRoundingControl(TRoundingControl::RoundUp);
    lib.SetInfinityControlFlag(false);
    EXPECT_EQ(lib.ControlWord(), 0x1332);
    EXPECT_EQ(x87::readControlWord(), unitBefore);
    EXPECT_TRUE(lib.ZeroDivideExceptionMask());
    EXPECT_EQ(lib.RoundingControl(), TRoundingControl::RoundUp);
}

TEST_F(FpuTest, WithoutInitializeFpuTheUnitIsNeverTouched) {
    x87::reinitializeAndLoad(0x037F);
    {
        TMathLib lib(nullptr);
        lib.InitializeFPU = false;
        lib.FinishLoading();
        EXPECT_TRUE(x87::sameControlWord(x87::readControlWord(), 0x037F));
        x87::reinitializeAndLoad(0x027F);
    }
    EXPECT_TRUE(x87::sameControlWord(x87::readControlWord(), 0x027F));
}

TEST_F(FpuTest, OwnerLoadsAndDestroysItsComponents) {
    x87::reinitializeAndLoad(0x037F);
    {
        TComponent window(nullptr);
        auto* lib = new TMathLib(&window);
        EXPECT_EQ(lib->Owner(), &window);
        window.FinishLoadingOwned();
        EXPECT_TRUE(x87::sameControlWord(x87::readControlWord(), kProgramWord));
    }
    // Only the owned component's destructor puts the word back.
    EXPECT_TRUE(x87::sameControlWord(x87::readControlWord(), 0x037F));
}

}  // namespace
}  // namespace tessaron
