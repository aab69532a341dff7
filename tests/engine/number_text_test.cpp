// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "mathlib/fp_guard.h"
#include "tests/support/comma_locale.h"

namespace tessaron {
namespace {

struct ParseCase {
    std::string text;
    std::optional<Extended> expected;  // nullopt: not a number
};

void expectParses(const std::vector<ParseCase>& cases, std::string_view separator) {
    for (const ParseCase& c : cases) {
        const std::optional<Extended> got = parseNumber(c.text, separator);
        const std::string shown = c.text.size() > 40 ? c.text.substr(0, 40) + "..." : c.text;
        ASSERT_EQ(got.has_value(), c.expected.has_value()) << '"' << shown << '"';
        if (got) {
            EXPECT_EQ(*got, *c.expected) << '"' << shown << '"';
        }
    }
}

const std::optional<Extended> kError;

TEST(ParseNumberGrammar, FullStopSeparator) {
    expectParses({{"1000", 1000.0L},
                  {" 1.5e3 ", 1500.0L},
                  {"   42", 42.0L},
                  {"\t42", kError},
                  {"42\t", kError},
                  {"\u00A042", kError},
                  {"1,5", kError},
                  {".", 0.0L},
                  {"-", kError},
                  {"+", kError},
                  {"", kError},
                  {"   ", kError},
                  {"+.5", 0.5L},
                  {"-.5", -0.5L},
                  {"5.", 5.0L},
                  {"1e", 1.0L},
                  {"1e+", 1.0L},
                  {"1E-", 1.0L},
                  {"1E2", 100.0L},
                  {"1e-2 ", 0.01L},
                  {"e5", kError},
                  {".e5", 0.0L},
                  {"--1", kError},
                  {"+-1", kError},
                  {"1e--2", kError},
                  {"1.2.3", kError},
                  {"1e2.5", kError},
                  {"1e2e3", kError},
                  {"0x10", kError},
                  {"inf", kError},
                  {"-infinity", kError},
                  {"nan", kError},
                  {"1 000", kError},
                  {"- 1", kError},
                  {"1 e5", kError},
                  {"\uFF11", kError},
                  {std::string("1\0", 2), kError},
                  {"abc", kError}},
                 ".");
}

TEST(ParseNumberGrammar, OtherSeparators) {
    expectParses({{"1,5", 1.5L}, {"1.5", kError}, {",", 0.0L}, {"-,25e1", -2.5L}}, ",");
    // A multi-byte separator must match whole; half of it is not a number.
    expectParses({{"1\u066B5", 1.5L}, {"1\xD9", kError}, {"1.5", kError}}, "\u066B");
}

TEST(ParseNumberRange, BeyondTheExtendedRangeIsAnError) {
    expectParses({{"1e5000", kError},
                  {"-1e5000", kError},
                  {"1.19e4932", kError},
                  {"1e99999999999999999999999", kError},
                  {"123" + std::string(5000, '0'), kError},
                  {"1.18973149535723176502e4932", std::numeric_limits<Extended>::max()}},
                 ".");
}

TEST(ParseNumberRange, UnderflowReadsAsZeroOrDenormal) {
    expectParses({{"1e-5000", 0.0L},
                  {"-1e-5000", 0.0L},
                  {"1e-99999999999999999999", 0.0L},
                  {"0e999999999999", 0.0L},
                  {"0.000e99999999999999999999", 0.0L},
                  {"3.6451995318824746e-4951", std::numeric_limits<Extended>::denorm_min()},
                  {"1e-4940", 1e-4940L}},
                 ".");
}

TEST(ParseNumberRange, LongDigitStringsKeepTheirValue) {
    const std::string thirds = "0." + std::string(1'000'000, '3');
    const std::string shifted = "0." + std::string(4999, '0') + "1e5000";
    const std::string scaled = "1" + std::string(100'000, '0') + "e-100000";
    const std::string longExponent = "2e-" + std::string(100'000, '0') + "1";
    expectParses({{thirds, 1.0L / 3.0L}, {shifted, 1.0L}, {scaled, 1.0L}, {longExponent, 0.2L}},
                 ".");
}

TEST(ParseNumberValue, NearestExtended) {
    expectParses({{"0.1", 0.1L},
                  {"6.283185307179586477", kTwoPi},
                  {"-123.45e-6", -123.45e-6L},
                  {"0.707107", 0.707107L},
                  {"18446744073709551615", 18446744073709551615.0L},
                  {"00012.5000", 12.5L}},
                 ".");
    // Bit-for-bit: 0.1 must not be a double widened to extended.
    const std::optional<Extended> tenth = parseNumber("0.1", ".");
    const Extended nearest = 0.1L;
    ASSERT_TRUE(tenth);
    EXPECT_EQ(std::memcmp(&*tenth, &nearest, 10), 0);
    EXPECT_NE(*tenth, static_cast<Extended>(0.1));
}

// A computation that reads a field and then checks its own faults must not be
// blamed for the overflow glibc raised while converting.
TEST(ParseNumberFaults, LeaveNoPendingFlags) {
    for (const char* text : {"1e5000", "1e-5000", "0.1", "1e-4940"}) {
        fp::Guard guard;
        (void)parseNumber(text, ".");
        EXPECT_NO_THROW(fp::throwPendingFault()) << text;
    }
}

TEST(ParseNumberLocale, IgnoresTheCLibraryNumericLocale) {
    std::optional<Extended> fullStop;
    std::optional<Extended> comma;
    {
        test::CommaNumericLocale commaLocale;
        ASSERT_TRUE(commaLocale.active())
            << test::kCommaLocale << " missing: run scripts/install-deps";
        fullStop = parseNumber("1.5", ".");
        comma = parseNumber("1,5", ",");
    }
    EXPECT_EQ(fullStop, std::optional<Extended>(1.5L));
    EXPECT_EQ(comma, std::optional<Extended>(1.5L));
}

}  // namespace
}  // namespace tessaron
