// SPDX-License-Identifier: GPL-3.0-or-later

#include "analysis/curves_csv.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/comma_locale.h"
#include "tests/support/curves_csv_reader.h"

namespace tessaron {
namespace {

struct TextCase {
    const char* name;
    std::vector<PlotPoint> gain;
    std::vector<PlotPoint> phase;
    const char* expected;
};

class CurvesCsvText : public ::testing::TestWithParam<TextCase> {};

TEST_P(CurvesCsvText, IsTheHeaderThenOneRowPerPoint) {
    EXPECT_EQ(curvesCsv(GetParam().gain, GetParam().phase), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Curves, CurvesCsvText,
    ::testing::Values(TextCase{"NoPoints", {}, {}, "frequency_hz,gain_db,phase_deg\n"},
                      // Values that 17 digits write longer than their shortest form, and one
                      // that needs an exponent.
                      TextCase{"FirstAndLastPoints",
                               {{10, -4.3e-8}, {90001, -78.17}},
                               {{10, 179.19}, {90001, 0.1}},
                               "frequency_hz,gain_db,phase_deg\n"
                               "10,-4.3000000000000001e-08,179.19\n"
                               "90001,-78.170000000000002,0.10000000000000001\n"},
                      TextCase{"ZeroHertzAndNegativeZero",
                               {{0, 0}, {0, -0.0}},
                               {{0, 180}, {0, 0}},
                               "frequency_hz,gain_db,phase_deg\n"
                               "0,0,180\n"
                               "0,-0,0\n"},
                      TextCase{"SweepOrderKept",
                               {{30, 1}, {20, 2}},
                               {{30, 3}, {20, 4}},
                               "frequency_hz,gain_db,phase_deg\n"
                               "30,1,3\n"
                               "20,2,4\n"}),
    [](const auto& param) { return std::string(param.param.name); });

// Every double must come back with the same bits, from the largest to the
// smallest subnormal.
TEST(CurvesCsv, ReadsBackBitForBit) {
    const std::vector<double> values{0.1,
                                     1.0 / 3.0,
                                     -3.0102999566398121,
                                     179.19228648874467,
                                     std::numeric_limits<double>::max(),
                                     std::numeric_limits<double>::lowest(),
                                     std::numeric_limits<double>::min(),
                                     std::numeric_limits<double>::denorm_min(),
                                     std::nextafter(1.0, 2.0),
                                     123456789012345678.0,
                                     -0.0};
    std::vector<PlotPoint> gain;
    std::vector<PlotPoint> phase;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const double frequency = static_cast<double>(i + 1) * 9.0 + 1.0;
        gain.push_back({frequency, values[i]});
        phase.push_back({frequency, -values[values.size() - 1 - i]});
    }

    const auto file = test::readCurvesCsv(curvesCsv(gain, phase));
    ASSERT_TRUE(file.has_value());
    ASSERT_EQ(file->rows.size(), values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        const test::CurvesRow& row = file->rows[i];
        EXPECT_EQ(std::bit_cast<std::uint64_t>(row.frequency),
                  std::bit_cast<std::uint64_t>(gain[i].x))
            << "row " << i;
        EXPECT_EQ(std::bit_cast<std::uint64_t>(row.gain), std::bit_cast<std::uint64_t>(gain[i].y))
            << "row " << i;
        EXPECT_EQ(std::bit_cast<std::uint64_t>(row.phase), std::bit_cast<std::uint64_t>(phase[i].y))
            << "row " << i;
    }
}

TEST(CurvesCsv, KeepsFullStopsUnderACommaLocale) {
    std::string text;
    {
        const test::GlobalCommaLocale commas;
        text = curvesCsv({{{12345.5, -3.25}}}, {{{12345.5, 90.5}}});
    }
    EXPECT_EQ(text, "frequency_hz,gain_db,phase_deg\n12345.5,-3.25,90.5\n");
}

struct MismatchCase {
    const char* name;
    std::vector<PlotPoint> gain;
    std::vector<PlotPoint> phase;
};

class CurvesCsvMismatch : public ::testing::TestWithParam<MismatchCase> {};

TEST_P(CurvesCsvMismatch, IsRefused) {
    EXPECT_THROW(curvesCsv(GetParam().gain, GetParam().phase), std::invalid_argument);
}

INSTANTIATE_TEST_SUITE_P(
    Curves, CurvesCsvMismatch,
    ::testing::Values(MismatchCase{"PhaseShorter", {{10, 0}, {19, 0}}, {{10, 0}}},
                      MismatchCase{"GainShorter", {}, {{10, 0}}},
                      MismatchCase{"OtherFrequency", {{10, 0}, {19, 0}}, {{10, 0}, {20, 0}}}),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace tessaron
