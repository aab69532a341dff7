// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "ui/files/error_text.h"

namespace tessaron {
namespace {

struct ErrorTextCase {
    const char* message;
    const char* shown;
};

class ErrorBoxText : public ::testing::TestWithParam<ErrorTextCase> {};

TEST_P(ErrorBoxText, AppendsAFullStopOnlyAfterCharactersSortingAfterIt) {
    EXPECT_EQ(errorBoxText(GetParam().message), QString::fromUtf8(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(
    Messages, ErrorBoxText,
    ::testing::Values(ErrorTextCase{"0 による浮動小数点数除算", "0 による浮動小数点数除算."},
                      ErrorTextCase{"浮動小数点数のオーバーフロー",
                                    "浮動小数点数のオーバーフロー."},
                      ErrorTextCase{"不正な浮動小数点数演算命令", "不正な浮動小数点数演算命令."},
                      ErrorTextCase{"Error in FxSqrt. >>>Cannot execute negative number.",
                                    "Error in FxSqrt. >>>Cannot execute negative number."},
                      ErrorTextCase{"Error in FxCdiv. >>>Cannot divide by \"0\"",
                                    "Error in FxCdiv. >>>Cannot divide by \"0\""},
                      ErrorTextCase{"", ""}, ErrorTextCase{"Overflow", "Overflow."},
                      ErrorTextCase{"ends in a comma,", "ends in a comma,"},
                      ErrorTextCase{"ends in a hyphen-", "ends in a hyphen-"},
                      ErrorTextCase{"ends in a slash/", "ends in a slash/."},
                      ErrorTextCase{"ends in a digit 0", "ends in a digit 0."},
                      ErrorTextCase{"(parenthesis)", "(parenthesis)"},
                      ErrorTextCase{"outside the basic plane \xF0\x9F\x98\x80",
                                    "outside the basic plane \xF0\x9F\x98\x80."}));

}  // namespace
}  // namespace tessaron
