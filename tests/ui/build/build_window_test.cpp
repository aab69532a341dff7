// SPDX-License-Identifier: GPL-3.0-or-later

// The Build window: how it opens, what it shows of a design and its choices.
#include "tests/ui/build/build_window_fixture.h"

namespace tessaron::test {
namespace {

TEST_F(BuildWindowTest, BeforeTheFirstDesignItSaysSo) {
    for (const BuildTab& t : kTabs) {
        SCOPED_TRACE(t.caption);
        BuildWindow& build = window->companions().showBuild(t.topology);
        EXPECT_TRUE(build.isVisible());
        EXPECT_TRUE(build.isWindow());
        EXPECT_EQ(build.windowTitle(), QString("Tessaron — Build, ") + t.caption);
        EXPECT_EQ(text(build, "Status"),
                  "No design yet: the table fills after the first \"Calc\" of this tab.");
        EXPECT_EQ(table(build).rowCount(), 0);
        EXPECT_EQ(&window->companions().showBuild(t.topology), &build);  // one per tab
    }
}

TEST_F(BuildWindowTest, TheReportAndChartMenusOpenIt) {
    for (const BuildTab& t : kTabs) {
        for (const char* name : {t.form().memo, t.form().gain.chart, t.form().phase.chart}) {
            SCOPED_TRACE(name);
            SetUp();
            auto& widget = named<QWidget>(name);
            emit widget.customContextMenuRequested(QPoint(5, 5));
            std::unique_ptr<QMenu> menu(widget.findChild<QMenu*>());
            ASSERT_NE(menu, nullptr);
            menu->setAttribute(Qt::WA_DeleteOnClose, false);
            menu->hide();
            QAction* item = nullptr;
            for (QAction* action : menu->actions()) {
                if (action->text() == QString::fromUtf8("Standard Values and Tolerances…")) {
                    item = action;
                }
            }
            ASSERT_NE(item, nullptr);
            EXPECT_EQ(item->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_B));
            item->trigger();
            BuildWindow* build = window->companions().build(t.topology);
            ASSERT_NE(build, nullptr);
            EXPECT_TRUE(build->isVisible());
        }
    }
}

TEST_F(BuildWindowTest, ChoicesStartAtTheirDefaults) {
    const BuildChoices c = window->companions().showBuild(kindOf<SallenKey>).choices();
    EXPECT_EQ(c.series.resistors, Series::E24);
    EXPECT_EQ(c.series.capacitors, Series::E12);
    EXPECT_EQ(c.tolerances.resistors, 0.01);
    EXPECT_EQ(c.tolerances.capacitors, 0.05);
    EXPECT_EQ(c.trials, 500);
    const auto& box =
        *window->companions().build(kindOf<SallenKey>)->findChild<QComboBox*>("CapacitorSeries");
    QStringList items;
    for (int i = 0; i < box.count(); ++i) {
        items << box.itemText(i);
    }
    EXPECT_EQ(items, (QStringList{"Exact", "E6", "E12", "E24", "E48", "E96", "E192"}));
}

TEST_F(BuildWindowTest, CtrlBOpensTheBuildWindowOfTheTabInFront) {
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    for (const BuildTab& t : kTabs) {
        SCOPED_TRACE(t.caption);
        named<QTabWidget>("PageControl1").setCurrentIndex(static_cast<int>(t.topology));
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_B, Qt::ControlModifier);
        BuildWindow* build = window->companions().build(t.topology);
        ASSERT_NE(build, nullptr);
        EXPECT_TRUE(build->isVisible());
        EXPECT_EQ(build->topology(), t.topology);
    }
}

TEST_F(BuildWindowTest, FollowsEachCalcOfItsTab) {
    const BuildTab& mf = kTabs[0];
    BuildWindow& build = window->companions().showBuild(mf.topology);
    calc(mf, "1000", "10000");
    ASSERT_EQ(table(build).rowCount(), 7);
    // E24/E12 of Butterworth order 2 at 1 kHz: C1 33.76 nF gives 33 nF.
    EXPECT_EQ(cell(build, 3, 1), "C1 (C1)");
    EXPECT_EQ(cell(build, 3, 2), "33.7619 nF");
    EXPECT_EQ(cell(build, 3, 3), "33 nF");
    EXPECT_EQ(cell(build, 3, 4), "-2.26 %");
    EXPECT_EQ(cell(build, 5, 1), "fn");
    EXPECT_EQ(text(build, "Status"), "");
    waitForBand(build);
    // The -3 dB point of the standard values, fn 967.5 Hz and Q 0.6687, is
    // 912.12 Hz (worked out in the standard values' own tests).
    EXPECT_TRUE(
        text(build, "Summary").startsWith("-3 dB: exact 1 kHz, standard 912.122 Hz, trials "))
        << text(build, "Summary").toStdString();
    EXPECT_TRUE(text(build, "Summary").contains("worst trial"));

    calc(mf, "2000", "10000");
    EXPECT_EQ(cell(build, 5, 2), "2 kHz");

    // Another tab's "Calc" is not this window's business.
    calc(kTabs[1], "500", "10000");
    EXPECT_EQ(cell(build, 5, 2), "2 kHz");
}

TEST_F(BuildWindowTest, AChangedChoiceRoundsAgainAndRestartsTheBand) {
    const BuildTab& mf = kTabs[0];
    calc(mf, "1000", "10000");
    BuildWindow& build = window->companions().showBuild(mf.topology);
    build.findChild<QComboBox*>("CapacitorSeries")->setCurrentText("E24");
    EXPECT_EQ(cell(build, 4, 3), "7.5 nF");  // C2 7.503 nF
    // A long band is cancelled by the next choice; only the newest comes back.
    build.findChild<QSpinBox*>("Trials")->setValue(100000);
    build.findChild<QSpinBox*>("Trials")->setValue(50);
    waitForBand(build);
    EXPECT_EQ(build.band()->trials, 50);
    EXPECT_TRUE(text(build, "BandStatus").startsWith("Tolerance band: 50 trials, seed 1, "));
}

TEST_F(BuildWindowTest, CopyPutsTheTableAndSummaryOnTheClipboard) {
    const BuildTab& mf = kTabs[0];
    calc(mf, "1000", "10000");
    BuildWindow& build = window->companions().showBuild(mf.topology);
    waitForBand(build);
    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(build.findChild<QPushButton*>("Copy"), Qt::LeftButton);
    const QStringList lines = QGuiApplication::clipboard()->text().split('\n');
    ASSERT_EQ(lines.size(), 1 + 7 + 1 + 1);  // header, rows, summary, final newline
    EXPECT_EQ(lines[0], "Stage\tPart\tExact\tStandard\tDeviation");
    EXPECT_EQ(lines[4], "Unit 0\tC1 (C1)\t33.7619 nF\t33 nF\t-2.26 %");
    EXPECT_EQ(lines[8], text(build, "Summary"));
    EXPECT_EQ(lines[9], "");
}

TEST_F(BuildWindowTest, AStoppedDesignSaysWhy) {
    for (const BuildTab& t : kTabs) {
        SCOPED_TRACE(t.caption);
        calc(t, "1000", t.first0);
        BuildWindow& build = window->companions().showBuild(t.topology);
        calc(t, "0", t.first0);
        ASSERT_FALSE(dialogs.errors.isEmpty());
        EXPECT_EQ(text(build, "Status"), "The last design stopped, so there is nothing to round: " +
                                             dialogs.errors.back());
        EXPECT_EQ(table(build).rowCount(), 0);
        EXPECT_FALSE(build.bandRunning());
    }
}

TEST_F(BuildWindowTest, PartsThatCannotBeRoundedAreNamedAndTheRestShown) {
    const BuildTab& mf = kTabs[0];
    BuildWindow& build = window->companions().showBuild(mf.topology);
    calc(mf, "1000", "-10000");  // every part of the stage comes out negative
    const QStringList named = text(build, "Status").split('\n');
    ASSERT_EQ(named.size(), 6);
    EXPECT_EQ(named[0], "R1 of Unit 0 cannot be rounded: it is negative.");
    EXPECT_EQ(named[4], "C2 of Unit 0 cannot be rounded: it is negative.");
    EXPECT_EQ(named[5], "The response and the band need a standard value for every part.");
    ASSERT_EQ(table(build).rowCount(), 7);
    EXPECT_EQ(cell(build, 0, 2), "-10000 Ω");
    EXPECT_EQ(cell(build, 3, 3), "cannot be rounded: is negative");
    EXPECT_FALSE(build.bandRunning());
}

TEST_F(BuildWindowTest, TheControlWordOfTheExactPathStays) {
    const BuildTab& sk = kTabs[1];
    BuildWindow& build = window->companions().showBuild(sk.topology);
    calc(sk, "1000", "10000");
    waitForBand(build);
    EXPECT_TRUE(x87::sameControlWord(x87::readControlWord(), 0x1332))
        << std::hex << x87::readControlWord();
}

}  // namespace
}  // namespace tessaron::test
