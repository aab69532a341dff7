// SPDX-License-Identifier: GPL-3.0-or-later

#include "analysis/number_format.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "tests/support/comma_locale.h"

namespace tessaron {
namespace {

struct FormatCase {
    Extended value;
    const char* expected;
};

void expectFormats(const std::vector<FormatCase>& cases, std::string_view separator = ".") {
    for (const FormatCase& c : cases) {
        EXPECT_EQ(formatNumber(c.value, separator), c.expected)
            << "value " << static_cast<double>(c.value);
    }
}

TEST(FormatNumber, ReportExamples) {
    expectFormats({{0.0L, "0"},
                   {10000.0L, "10000"},
                   {0.5L, "0.5"},
                   {2.0L / 3.0L, "0.666666666666667"},
                   {0.0001L, "0.0001"},
                   {0.00005L, "5E-5"},
                   {1.5e-8L, "1.5E-8"},
                   {1e15L, "1E15"},
                   {999999999999999.0L, "999999999999999"},
                   {2.0L, "2"},
                   {4700.0L, "4700"},
                   {4700.5L, "4700.5"}});
}

// Rounding goes through 18 digits first, so a value just below a 15-digit
// midpoint can still round up; a direct 15-digit rounding would not.
TEST(FormatNumber, RoundsTo18DigitsThenTo15) {
    expectFormats({{0.12345678901234549999L, "0.123456789012346"},  // ...4999 -> ...500
                   {0.12345678901234549L, "0.123456789012345"},     // ...490 stays
                   {0.1234567890123455L, "0.123456789012346"},
                   {0.12345678901234544999L, "0.123456789012345"},  // ...4500: 16th is 4
                   {9.99999999999999999L, "10"},
                   {9.9999999999999949L, "9.99999999999999"},
                   {123456789012345678.0L, "1.23456789012346E17"},
                   {1.000000000000001L, "1"}});
}

TEST(FormatNumber, FixedAndScientificBounds) {
    expectFormats({{0.0001L, "0.0001"},
                   {0.000099999999999999999L, "0.0001"},  // rounds up into fixed
                   {0.0000999999999999999L, "9.99999999999999E-5"},
                   {0.00012L, "0.00012"},
                   {0.001L, "0.001"},
                   {1e14L, "100000000000000"},
                   {1.5e14L, "150000000000000"},
                   {999999999999999.4L, "999999999999999"},
                   {999999999999999.5L, "1E15"},  // the carry leaves fixed notation
                   {1e15L, "1E15"},
                   {1234567e13L, "1.234567E19"},
                   {1e-10L, "1E-10"}});
}

TEST(FormatNumber, ExtremeExtendedValues) {
    expectFormats({{1e-4940L, "9.99999999996053E-4941"},  // a denormal: few bits left
                   {std::numeric_limits<Extended>::denorm_min(), "3.64519953188247E-4951"},
                   {1e4900L, "1E4900"},
                   {std::numeric_limits<Extended>::max(), "1.18973149535723E4932"},
                   {-std::numeric_limits<Extended>::max(), "-1.18973149535723E4932"}});
}

TEST(FormatNumber, NegativeValues) {
    expectFormats({{-4700.5L, "-4700.5"},
                   {-0.00005L, "-5E-5"},
                   {-2.0L / 3.0L, "-0.666666666666667"},
                   {-9.99999999999999999L, "-10"},
                   {-0.0L, "0"}});
}

TEST(FormatNumber, UsesTheGivenSeparator) {
    expectFormats({{0.5L, "0,5"}, {4700.0L, "4700"}, {1.5e-8L, "1,5E-8"}, {4700.5L, "4700,5"}},
                  ",");
    expectFormats({{0.5L, "0\u066B5"}, {1.5e-8L, "1\u066B5E-8"}}, "\u066B");
}

TEST(FormatNumber, IgnoresTheCLibraryNumericLocale) {
    std::string text;
    std::string tiny;
    {
        test::CommaNumericLocale comma;
        ASSERT_TRUE(comma.active()) << test::kCommaLocale << " missing: run scripts/install-deps";
        text = formatNumber(4700.5L, ".");
        tiny = formatNumber(1.5e-8L, ".");
    }
    EXPECT_EQ(text, "4700.5");
    EXPECT_EQ(tiny, "1.5E-8");
}

}  // namespace
}  // namespace tessaron
