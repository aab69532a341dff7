// Results leaving the window: the report, the charts and the curves of a tab
// saved through its menus and shortcuts.
#include <gtest/gtest.h>

#include <qcustomplot.h>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QKeySequence>
#include <QLocale>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <bit>
#include <string>
#include <vector>

#include "analysis/curves_csv.h"
#include "tests/mathlib/fpu_probe.h"
#include "tests/support/comma_locale.h"
#include "tests/support/curves_csv_reader.h"
#include "ui/chart_series.h"
#include "ui/memo_report.h"
#include "ui_test_support.h"
#include "write_failures.h"

namespace tessaron::test {
namespace {

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The memo's text as a file on this platform.
QByteArray platformText(const QString& text) {
    QByteArray bytes = text.toUtf8();
#ifdef Q_OS_WIN
    bytes.replace("\n", "\r\n");
#endif
    return bytes;
}

// A tab and the name its files get after the design below.
struct TabControls {
    FormTab tab;
    const char* stem;
};

const TabControls kMultiFeedback{formTab(kindOf<MultipleFeedback>), "mfb-butterworth-4th-1kHz"};
const TabControls kSallenKey{formTab(kindOf<SallenKey>), "sallen-key-butterworth-4th-1kHz"};
const TabControls kPassive{formTab(kindOf<Passive>), "passive-butterworth-4th-1kHz"};

class Saving : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        ASSERT_TRUE(folder.isValid());
    }

    // A 4th-order Butterworth design at 1 kHz, its tab in front.
    void design(const TabControls& t) {
        bringToFront(t.tab);
        edit(t.tab.fc).setText("1000");
        edit(t.tab.first[0]).setText(t.tab.topology == kindOf<Passive> ? "0.01" : "10000");
        radio(t.tab.orders[1]).click();  // "4th LPF"
        click(t.tab.calc);
        ASSERT_EQ(dialogs.errors, QStringList{});
    }
    QAction& action(const char* name) const { return named<QAction>(name); }
    QCustomPlot& chart(const char* name) const { return named<QCustomPlot>(name); }
    QString inFolder(const QString& name) const { return QDir(folder.path()).filePath(name); }

    // The menu the user gets on the memo or chart, as the window pops it up.
    template <typename Widget>
    std::unique_ptr<QMenu> contextMenuOf(Widget& widget) {
        emit widget.customContextMenuRequested(QPoint(5, 5));
        QMenu* menu = widget.template findChild<QMenu*>();
        if (menu == nullptr) {
            ADD_FAILURE() << "no context menu";
            throw std::runtime_error("no context menu");
        }
        menu->setAttribute(Qt::WA_DeleteOnClose, false);
        menu->hide();
        return std::unique_ptr<QMenu>(menu);
    }

    QTemporaryDir folder;
};

TEST_F(Saving, NothingToSaveBeforeADesign) {
    EXPECT_FALSE(action("SaveReportAction").isEnabled());
    EXPECT_FALSE(action("ExportCurvesAction").isEnabled());
    const auto chartMenu = contextMenuOf(chart(kMultiFeedback.tab.gain.chart));
    EXPECT_FALSE(actionNamed(*chartMenu, QString::fromUtf8("Save Chart As…"))->isEnabled());
    EXPECT_FALSE(actionNamed(*chartMenu, QString::fromUtf8("Export Curves As CSV…"))->isEnabled());

    // Text typed into a report is something to save; it has no curves.
    named<QPlainTextEdit>(kMultiFeedback.tab.memo).setPlainText("notes");
    EXPECT_TRUE(action("SaveReportAction").isEnabled());
    EXPECT_FALSE(action("ExportCurvesAction").isEnabled());
    EXPECT_TRUE(dialogs.questions.empty());
}

TEST_F(Saving, ItemsFollowTheTabInFront) {
    design(kSallenKey);
    EXPECT_TRUE(action("SaveReportAction").isEnabled());
    EXPECT_TRUE(action("ExportCurvesAction").isEnabled());
    bringToFront(kPassive.tab);
    EXPECT_FALSE(action("SaveReportAction").isEnabled());
    EXPECT_FALSE(action("ExportCurvesAction").isEnabled());
    bringToFront(kSallenKey.tab);
    EXPECT_TRUE(action("ExportCurvesAction").isEnabled());
}

TEST_F(Saving, MenusOfferSavingBesideCopying) {
    design(kMultiFeedback);
    auto& memo = named<QPlainTextEdit>(kMultiFeedback.tab.memo);
    const auto memoMenu = contextMenuOf(memo);
    const QList<QAction*> memoItems = memoMenu->actions();
    const qsizetype copyAll = memoItems.indexOf(actionNamed(*memoMenu, "Copy All"));
    ASSERT_LT(copyAll + 1, memoItems.size());
    EXPECT_EQ(memoItems[copyAll + 1]->text(), QString::fromUtf8("Save Report As…"));
    EXPECT_TRUE(memoItems[copyAll + 1]->isEnabled());

    for (const char* name : {kMultiFeedback.tab.gain.chart, kMultiFeedback.tab.phase.chart}) {
        const auto chartMenu = contextMenuOf(chart(name));
        EXPECT_TRUE(actionNamed(*chartMenu, "Copy Chart")->isEnabled());
        EXPECT_TRUE(actionNamed(*chartMenu, QString::fromUtf8("Save Chart As…"))->isEnabled());
        EXPECT_TRUE(
            actionNamed(*chartMenu, QString::fromUtf8("Export Curves As CSV…"))->isEnabled());
    }
    EXPECT_EQ(action("SaveReportAction").shortcut(), QKeySequence(QKeySequence::Save));
    EXPECT_EQ(action("ExportCurvesAction").shortcut(), QKeySequence("Ctrl+Shift+E"));
}

class ReportFile : public Saving, public ::testing::WithParamInterface<TabControls> {};

TEST_P(ReportFile, IsTheMemoTextByteForByte) {
    const TabControls& t = GetParam();
    design(t);
    auto& memo = named<QPlainTextEdit>(t.tab.memo);
    // Whatever the user added stays, in UTF-8.
    memo.appendPlainText(QString::fromUtf8("Notes: C1 ≈ 33 nF, µ-range…"));
    design(t);
    dialogs.answer(inFolder("report"));
    action("SaveReportAction").trigger();

    ASSERT_EQ(dialogs.questions.size(), 1u);
    const SaveFileQuestion& question = dialogs.questions.front();
    EXPECT_EQ(question.caption, "Save Report As");
    EXPECT_EQ(question.proposedPath, QDir(QDir::homePath()).filePath(QString(t.stem) + ".txt"));
    EXPECT_EQ(question.filters, QStringList{"Text files (*.txt)"});
    EXPECT_EQ(dialogs.errors, QStringList{});
    EXPECT_EQ(contentsOf(inFolder("report.txt")), platformText(memo.toPlainText()));
}

INSTANTIATE_TEST_SUITE_P(Tabs, ReportFile, ::testing::Values(kMultiFeedback, kSallenKey, kPassive),
                         [](const auto& param) { return std::string(param.param.tab.page); });

TEST_F(Saving, ReportBeforeAnyDesignIsNamedAfterTheTab) {
    named<QPlainTextEdit>(kMultiFeedback.tab.memo).setPlainText("notes");
    action("SaveReportAction").trigger();
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(QFileInfo(dialogs.questions.front().proposedPath).fileName(), "mfb-report.txt");
}

TEST_F(Saving, CurvesFileHoldsTheSeriesPointsBitForBitUnderACommaLocale) {
    const QLocale previousQt;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    {
        const GlobalCommaLocale commas;
        design(kMultiFeedback);
        dialogs.answer(inFolder("curves"));
        action("ExportCurvesAction").trigger();
    }
    QLocale::setDefault(previousQt);

    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(QFileInfo(dialogs.questions.front().proposedPath).fileName(),
              "mfb-butterworth-4th-1kHz.csv");
    EXPECT_EQ(dialogs.errors, QStringList{});
    const QByteArray bytes = contentsOf(inFolder("curves.csv"));
    const auto file = readCurvesCsv(std::string_view(bytes.constData(), bytes.size()));
    ASSERT_TRUE(file.has_value()) << "not three numbers a row with full stops";
    EXPECT_EQ(file->header, kCurvesCsvHeader);

    const std::vector<PlotPoint>& gain = window->gainSeries(kindOf<MultipleFeedback>).points();
    const std::vector<PlotPoint>& phase = window->phaseSeries(kindOf<MultipleFeedback>).points();
    ASSERT_EQ(gain.size(), 10000u);
    ASSERT_EQ(file->rows.size(), 10000u);
    EXPECT_EQ(file->rows.front().frequency, 10);
    EXPECT_EQ(file->rows.back().frequency, 90001);
    int differing = 0;
    for (std::size_t k = 0; k < gain.size(); ++k) {
        const CurvesRow& row = file->rows[k];
        const bool same =
            std::bit_cast<std::uint64_t>(row.frequency) ==
                std::bit_cast<std::uint64_t>(gain[k].x) &&
            std::bit_cast<std::uint64_t>(row.gain) == std::bit_cast<std::uint64_t>(gain[k].y) &&
            std::bit_cast<std::uint64_t>(row.phase) == std::bit_cast<std::uint64_t>(phase[k].y);
        differing += same ? 0 : 1;
    }
    EXPECT_EQ(differing, 0);
}

TEST_F(Saving, ChartGoesToTheTypeOfTheChosenFilter) {
    design(kMultiFeedback);
    dialogs.answer(inFolder("phase"), 3);  // "PNG image, 2× size"
    const auto menu = contextMenuOf(chart(kMultiFeedback.tab.phase.chart));
    actionNamed(*menu, QString::fromUtf8("Save Chart As…"))->trigger();

    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions.front().caption, "Save Chart As");
    EXPECT_EQ(QFileInfo(dialogs.questions.front().proposedPath).fileName(),
              "mfb-butterworth-4th-1kHz-phase.svg");
    EXPECT_EQ(dialogs.questions.front().filters.size(), 5);
    EXPECT_EQ(dialogs.errors, QStringList{});
    const QImage image(inFolder("phase.png"));
    EXPECT_EQ(image.size(), chart(kMultiFeedback.tab.phase.chart).size() * 2);
}

TEST_F(Saving, DialogOpensInTheFolderUsedLast) {
    design(kMultiFeedback);
    dialogs.answer(inFolder("first.csv"));
    action("ExportCurvesAction").trigger();
    // Cancelled: nothing is written and nothing is said.
    action("SaveReportAction").trigger();
    action("SaveReportAction").trigger();

    ASSERT_EQ(dialogs.questions.size(), 3u);
    EXPECT_EQ(QFileInfo(dialogs.questions[0].proposedPath).absolutePath(), QDir::homePath());
    EXPECT_EQ(dialogs.questions[1].proposedPath, inFolder("mfb-butterworth-4th-1kHz.txt"));
    EXPECT_EQ(dialogs.questions[2].proposedPath, dialogs.questions[1].proposedPath);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"first.csv"});
    EXPECT_EQ(dialogs.errors, QStringList{});
}

struct FailureCase {
    WriteFailure failure;
    const char* reason;
};

class FailedSave : public Saving, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(FailedSave, ShowsAnErrorBoxNamingTheFileAndTheReason) {
    design(kMultiFeedback);
    FailingTarget failing(GetParam().failure);
    const QStringList entries = failing.entries();
    dialogs.answer(failing.target());
    failing.arm();
    action("ExportCurvesAction").trigger();
    failing.disarm();

    EXPECT_EQ(dialogs.errors,
              QStringList{QString("Cannot save \"%1\": %2.")
                              .arg(QDir::toNativeSeparators(failing.target()), GetParam().reason)});
    EXPECT_EQ(contentsOf(failing.existingFile()), FailingTarget::existingBytes());
    EXPECT_EQ(failing.entries(), entries);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, FailedSave,
    ::testing::Values(FailureCase{WriteFailure::ParentIsAFile, "Not a directory"},
                      FailureCase{WriteFailure::NameIsAFolder, "Filename refers to a directory"},
                      FailureCase{WriteFailure::ReadOnlyFolder, "Permission denied"},
                      FailureCase{WriteFailure::NoRoomForTheWhole, "File too large"}),
    [](const auto& param) { return std::string(nameOf(param.param.failure)); });

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
