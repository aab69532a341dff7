// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/printed_text.h"

#include <gtest/gtest.h>

#include "tests/support/comma_locale.h"

namespace tessaron {
namespace {

// The separator asked for, and only it, whatever the C library's numeric
// locale: a comma there once came through into the full-stop tables.
TEST(PrintedText, TakesTheSeparatorAskedForWhateverTheCLocale) {
    const test::CommaNumericLocale comma;
    EXPECT_EQ(printed(".", "%+.2f %%", -2.256), "-2.26 %");
    EXPECT_EQ(printed(",", "%.6g", 0.668696), "0,668696");
    EXPECT_EQ(printed(".", "%g dB", 100.0), "100 dB");
}

}  // namespace
}  // namespace tessaron
