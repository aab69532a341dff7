// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/design_file_name.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "engine/coefficient_tables.h"
#include "mathlib/x87.h"

namespace tessaron {
namespace {

struct StemCase {
    const char* name;
    DesignSummary design;
    const char* expected;
};

class DesignFileStem : public ::testing::TestWithParam<StemCase> {};

TEST_P(DesignFileStem, NamesTopologyFamilyOrderAndCutoff) {
    const std::uint16_t word = x87::readControlWord();
    EXPECT_EQ(designFileStem(GetParam().design), GetParam().expected);
    // Not even a NaN cutoff may leave the loaded word changed.
    EXPECT_TRUE(x87::sameControlWord(x87::readControlWord(), word));
}

constexpr auto kMfb = kindOf<MultipleFeedback>;

INSTANTIATE_TEST_SUITE_P(
    Designs, DesignFileStem,
    ::testing::Values(
        StemCase{"MultiFeedback", {kMfb, Butterworth, 4, 1000}, "mfb-butterworth-4th-1kHz"},
        StemCase{
            "SallenKey", {kindOf<SallenKey>, Bessel, 2, 12345}, "sallen-key-bessel-2nd-12.345kHz"},
        StemCase{"Passive", {kindOf<Passive>, Chebyshev, 8, 50}, "passive-chebyshev-8th-50Hz"},
        StemCase{"SixthOrderOfTheTables", {kMfb, Butterworth, 6, 100}, "mfb-butterworth-6th-100Hz"},
        StemCase{
            "RoundsUpIntoThePrefix", {kMfb, Butterworth, 2, 999999.9L}, "mfb-butterworth-2nd-1MHz"},
        StemCase{"JustBelowThePrefix",
                 {kMfb, Butterworth, 2, 999.9994L},
                 "mfb-butterworth-2nd-999.999Hz"},
        StemCase{"SixDigits", {kMfb, Butterworth, 2, 1234567}, "mfb-butterworth-2nd-1.23457MHz"},
        StemCase{"Giga", {kMfb, Butterworth, 2, 2.2e9L}, "mfb-butterworth-2nd-2.2GHz"},
        StemCase{"BelowOneHertz", {kMfb, Butterworth, 2, 0.5L}, "mfb-butterworth-2nd-500mHz"},
        StemCase{"Micro", {kMfb, Butterworth, 2, 2.5e-6L}, "mfb-butterworth-2nd-2.5uHz"},
        StemCase{"Negative", {kMfb, Bessel, 2, -1000}, "mfb-bessel-2nd--1000Hz"},
        StemCase{"BeyondTheDoubleRange", {kMfb, Bessel, 2, 1e4000L}, "mfb-bessel-2nd-infHz"},
        StemCase{"NotANumber",
                 {kMfb, Bessel, 2, std::numeric_limits<Extended>::quiet_NaN()},
                 "mfb-bessel-2nd-nanHz"}),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace tessaron
