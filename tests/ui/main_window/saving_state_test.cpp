// SPDX-License-Identifier: GPL-3.0-or-later

// What a save leaves behind in the numeric unit, and the save shortcuts.
#include "tests/ui/main_window/saving.h"

namespace tessaron::test {
namespace {

// What foreign code may leave in the floating-point unit: another precision,
// every fault masked, faults raised on the x87 and in SSE, SSE rounding toward
// zero.
void disturbFloatingPointUnit() {
    const std::uint16_t doublePrecisionMasked = 0x027F;
    asm volatile("fldcw %0" : : "m"(doublePrecisionMasked));
    volatile long double one = 1.0L;
    volatile long double zero = 0.0L;
    volatile long double x87Quotient = one / zero;
    volatile double sseOne = 1.0;
    volatile double sseZero = 0.0;
    volatile double sseQuotient = sseOne / sseZero;
    static_cast<void>(x87Quotient);
    static_cast<void>(sseQuotient);
    const std::uint32_t towardZero = probe::readMxcsr() | 0x6000u;
    asm volatile("ldmxcsr %0" : : "m"(towardZero));
}

struct SaveKind {
    const char* name;
    const char* action;
    const char* file;  // empty: a name that is a folder, so the write fails
};

class NumericState : public Saving, public ::testing::WithParamInterface<SaveKind> {};

TEST_P(NumericState, NextCalcComputesAsBefore) {
    design(kMultiFeedback);
    const QStringList firstReport = memoLines(kMultiFeedback.tab.memo);
    const std::vector<PlotPoint> firstGain = window->gainSeries(kindOf<MultipleFeedback>).points();
    const std::vector<PlotPoint> firstPhase =
        window->phaseSeries(kindOf<MultipleFeedback>).points();
    const std::uint16_t word = x87::readControlWord();
    const std::uint32_t mxcsr = probe::readMxcsr();

    QDir(folder.path()).mkdir("taken.csv");
    dialogs.answer(*GetParam().file ? inFolder(GetParam().file) : inFolder("taken.csv"));
    dialogs.whileAsking = disturbFloatingPointUnit;
    action(GetParam().action).trigger();
    dialogs.whileAsking = nullptr;
    EXPECT_EQ(dialogs.errors.size(), *GetParam().file ? 0 : 1);

    EXPECT_TRUE(x87::sameControlWord(x87::readControlWord(), word));
    EXPECT_EQ(probe::readMxcsr() & ~0x3Fu, mxcsr & ~0x3Fu);
    EXPECT_EQ(probe::pendingFlags(), 0u);

    click(kMultiFeedback.tab.calc);
    const QStringList reports = memoLines(kMultiFeedback.tab.memo);
    EXPECT_EQ(reports.mid(firstReport.size()), firstReport);
    EXPECT_EQ(std::memcmp(window->gainSeries(kindOf<MultipleFeedback>).points().data(),
                          firstGain.data(), firstGain.size() * sizeof(PlotPoint)),
              0);
    EXPECT_EQ(std::memcmp(window->phaseSeries(kindOf<MultipleFeedback>).points().data(),
                          firstPhase.data(), firstPhase.size() * sizeof(PlotPoint)),
              0);

    // The faults the loaded word unmasks still stop a design.
    dialogs.errors.clear();
    edit(kMultiFeedback.tab.fc).setText("0");
    click(kMultiFeedback.tab.calc);
    EXPECT_EQ(dialogs.errors, QStringList{QString::fromUtf8("0 による浮動小数点数除算.")});
}

INSTANTIATE_TEST_SUITE_P(Saves, NumericState,
                         ::testing::Values(SaveKind{"Report", "SaveReportAction", "report.txt"},
                                           SaveKind{"Curves", "ExportCurvesAction", "curves.csv"},
                                           SaveKind{"FailedCurves", "ExportCurvesAction", ""}),
                         [](const auto& param) { return std::string(param.param.name); });

// Chart pictures are drawn by Qt's own painting code, the largest foreign
// computation of a save.
TEST_F(Saving, ChartPicturesLeaveTheNumericStateAlone) {
    design(kMultiFeedback);
    const QStringList firstReport = memoLines(kMultiFeedback.tab.memo);
    for (int filter = 0; filter < 5; ++filter) {
        dialogs.answer(inFolder(QString("chart%1").arg(filter)), filter);
        const auto menu = contextMenuOf(chart(kMultiFeedback.tab.gain.chart));
        actionNamed(*menu, QString::fromUtf8("Save Chart As…"))->trigger();
        ASSERT_TRUE(x87::sameControlWord(x87::readControlWord(), probe::kProgramWord)) << filter;
        ASSERT_EQ(probe::pendingFlags(), 0u) << filter;
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 5);
    click(kMultiFeedback.tab.calc);
    EXPECT_EQ(memoLines(kMultiFeedback.tab.memo).mid(firstReport.size()), firstReport);
}

// The shortcuts act on the tab in front, as pressed on the window.
TEST_F(Saving, ShortcutsSaveTheTabInFront) {
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    design(kSallenKey);
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(window.get(), Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(dialogs.questions.size(), 2u);
    EXPECT_EQ(QFileInfo(dialogs.questions[0].proposedPath).fileName(),
              "sallen-key-butterworth-4th-1kHz.txt");
    EXPECT_EQ(QFileInfo(dialogs.questions[1].proposedPath).fileName(),
              "sallen-key-butterworth-4th-1kHz.csv");

    // Nothing to save on an empty tab: the keys do nothing.
    bringToFront(kPassive.tab);
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(window.get(), Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(dialogs.questions.size(), 2u);
    EXPECT_EQ(dialogs.errors, QStringList{});
}

}  // namespace
}  // namespace tessaron::test
