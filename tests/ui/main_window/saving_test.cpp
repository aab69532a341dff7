// SPDX-License-Identifier: GPL-3.0-or-later

// Saving a tab's report, charts and curves: what is offered, what is written
// and what a failed save says.
#include "tests/ui/main_window/saving.h"

namespace tessaron::test {
namespace {

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

class ReportFile : public Saving, public ::testing::WithParamInterface<SavedTab> {};

TEST_P(ReportFile, IsTheMemoTextByteForByte) {
    const SavedTab& t = GetParam();
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

}  // namespace
}  // namespace tessaron::test
