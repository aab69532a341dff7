// SPDX-License-Identifier: GPL-3.0-or-later

// What "Calc" makes of its inputs: the sweep's frequencies on the charts, the
// reports kept in the memo and the locale's decimal separator.
#include "tests/ui/main_window/button_actions.h"

namespace tessaron::test {
namespace {

// A negative fc sweeps negative frequencies, which the logarithmic axis cannot show.
struct GridCase {
    const char* fc;
    int shown;
    double first;
    double last;
};

class FrequencyGrid : public ButtonActions, public ::testing::WithParamInterface<GridCase> {};

TEST_P(FrequencyGrid, ChartsShowThePositiveFrequenciesOfTheSweep) {
    fill(kMultiFeedback, {GetParam().fc, "10000"});
    calc(kMultiFeedback);
    EXPECT_EQ(dialogs.errors, QStringList{});
    EXPECT_EQ(window->gainSeries(kindOf<MultipleFeedback>).producedCount(), 10000u);
    EXPECT_EQ(window->phaseSeries(kindOf<MultipleFeedback>).producedCount(), 10000u);
    EXPECT_EQ(pointCount(kMultiFeedback.gain.chart), GetParam().shown);
    EXPECT_EQ(pointCount(kMultiFeedback.phase.chart), GetParam().shown);
    if (GetParam().shown > 0) {
        EXPECT_EQ(keys(kMultiFeedback.gain.chart).front(), GetParam().first);
        EXPECT_EQ(keys(kMultiFeedback.gain.chart).back(), GetParam().last);
    }
}

INSTANTIATE_TEST_SUITE_P(Fc, FrequencyGrid,
                         ::testing::Values(GridCase{"100", 10000, 1, 10000},
                                           GridCase{"12345", 10000, 123, 1230000},
                                           GridCase{"-1000", 0, 0, 0}));

TEST_F(ButtonActions, MemoKeepsEveryReport) {
    fill(kMultiFeedback, {"1000", "10000"});
    calc(kMultiFeedback);
    calc(kMultiFeedback);
    EXPECT_EQ(memoLines(kMultiFeedback.memo), kMultiFeedbackFixRx + kMultiFeedbackFixRx);
}

TEST_F(ButtonActions, LocaleSeparatorReachesReaderAndReport) {
    QString separator = ",";
    window->setDecimalSeparatorSource([&separator] { return separator; });
    fill(kMultiFeedback, {"1000,0", "10000"});
    calc(kMultiFeedback);
    EXPECT_EQ(dialogs.messages, QStringList{});
    EXPECT_TRUE(memoLines(kMultiFeedback.memo).contains("  *Q := 0,707107"));

    // A locale change announced by the system is picked up before the next run.
    separator = ".";
    QEvent change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(window.get(), &change);
    EXPECT_EQ(window->decimalSeparator(), ".");
    calc(kMultiFeedback);
    EXPECT_EQ(dialogs.messages, QStringList{"Cannot convert fc."});
}

// A modal box runs an event loop, and the system may announce a new locale
// while it is up: the run goes on with the separator it started with, in its
// fields and in its report alike.
TEST_F(ButtonActions, LocaleChangeDuringAMessageDoesNotChangeTheRunningDesign) {
    QString separator = ".";
    window->setDecimalSeparatorSource([&separator] { return separator; });
    struct ChangingLocaleDialogs : RecordingDialogs {
        std::function<void()> duringMessage;
        void showMessage(const QString& text) override {
            RecordingDialogs::showMessage(text);
            duringMessage();
        }
    } changing;
    changing.duringMessage = [&] {
        separator = ",";
        QEvent change(QEvent::LocaleChange);
        QCoreApplication::sendEvent(window.get(), &change);
    };
    window->setDialogs(changing);
    fill(kMultiFeedback, {"1000", "x", "1.5e-8", "10000"});
    radio(kMultiFeedback.orders[1]).click();   // "4th LPF"
    radio(kMultiFeedback.methods[1]).click();  // "Fix C2"
    calc(kMultiFeedback);
    EXPECT_EQ(changing.messages, QStringList{"Cannot convert RX."});
    EXPECT_EQ(changing.errors, QStringList{});
    EXPECT_TRUE(memoLines(kMultiFeedback.memo).contains("  C2 := 1.5E-8 (F)"));
    // The next run reads with the new separator.
    EXPECT_EQ(window->decimalSeparator(), ",");
}

}  // namespace
}  // namespace tessaron::test
