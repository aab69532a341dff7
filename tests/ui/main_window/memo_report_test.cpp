// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main_window/memo_report.h"

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <ostream>
#include <string>
#include <vector>

#include "tests/ui/support/recording_dialogs.h"

namespace tessaron {
namespace {

struct MemoCase {
    const char* name;
    const char* typed;  // what the user left in the memo
    const char* shown;  // the memo after a two-line report
};

void PrintTo(const MemoCase& c, std::ostream* out) {
    *out << c.name;
}

class ReportBelowTypedText : public ::testing::TestWithParam<MemoCase> {};

TEST_P(ReportBelowTypedText, StartsOnTheLineAfterTheTextWithoutABlankLine) {
    QPlainTextEdit memo;
    memo.setPlainText(QString::fromUtf8(GetParam().typed));
    MemoReport report(memo);
    const std::vector<std::string> lines{"---Result of Method 1---", "------------------------"};
    report.appendLines(lines);
    // Nothing shows until the run's lines are flushed together.
    EXPECT_EQ(memo.toPlainText(), QString::fromUtf8(GetParam().typed));
    report.flush();
    EXPECT_EQ(memo.toPlainText(), QString::fromUtf8(GetParam().shown));
    // Line by line the same, through the other entry point.
    report.appendLine("<Unit 0>");
    report.flush();
    EXPECT_EQ(memo.toPlainText(), QString::fromUtf8(GetParam().shown) + "\n<Unit 0>");
}

INSTANTIATE_TEST_SUITE_P(
    Typed, ReportBelowTypedText,
    ::testing::Values(MemoCase{"Nothing", "", "---Result of Method 1---\n------------------------"},
                      MemoCase{"LineWithoutBreak", "note",
                               "note\n---Result of Method 1---\n------------------------"},
                      MemoCase{"LineWithBreak", "note\n",
                               "note\n---Result of Method 1---\n------------------------"},
                      // A blank line the user typed is the user's own and stays.
                      MemoCase{"BlankLineTyped", "note\n\n",
                               "note\n\n---Result of Method 1---\n------------------------"},
                      MemoCase{"OnlyABreak", "\n",
                               "\n---Result of Method 1---\n------------------------"}),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace tessaron
