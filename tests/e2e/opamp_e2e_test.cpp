// SPDX-License-Identifier: GPL-3.0-or-later

// A real op-amp chosen in the Build window of each active tab, on a real X
// server: Ctrl+B, a click on "Real", a GBW typed key by key, and the table
// goes on with each stage's figures with that op-amp.
#include <QRadioButton>

#include "tests/e2e/window_e2e.h"

namespace tessaron::e2e {
namespace {

class ActiveTabE2e : public WindowE2e {
  protected:
    static int rowsNamed(const QTableWidget& table, const QString& item) {
        int rows = 0;
        for (int r = 0; r < table.rowCount(); ++r) {
            rows += table.item(r, 1)->text() == item ? 1 : 0;
        }
        return rows;
    }
};

TEST_P(ActiveTabE2e, RealOpAmpTypedInTheBuildWindowAddsItsRowsToTheTable) {
    setUpDesign();
    type(0, "1000");
    calc();
    expectBoxes({});
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_B, Qt::ControlModifier);
    BuildWindow* build = window_->companions().build(tab().form.topology);
    ASSERT_NE(build, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(build));
    const auto& table = *build->findChild<QTableWidget*>("Table");
    EXPECT_EQ(rowsNamed(table, "fn, real op-amp"), 0);

    auto& real = *build->findChild<QRadioButton*>("AsBuilt");
    QTest::mouseClick(&real, Qt::LeftButton, {}, QPoint(8, real.height() / 2));
    ASSERT_TRUE(real.isChecked());
    auto& gbw = *build->findChild<QLineEdit*>("Gbw");
    QTest::mouseClick(&gbw, Qt::LeftButton);
    QTest::keyClick(&gbw, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&gbw, Qt::Key_Backspace);
    QTest::keyClicks(&gbw, "10 MHz");
    ASSERT_EQ(gbw.text(), "10 MHz");

    // Four stages of the 8th-order design, each with its rows.
    EXPECT_EQ(rowsNamed(table, "fn, real op-amp"), 4);
    EXPECT_EQ(rowsNamed(table, "Q, real op-amp"), 4);
    EXPECT_EQ(rowsNamed(table, "minimum GBW"), 4);
    EXPECT_TRUE(build->tableText().contains("Op-amp: GBW 10 MHz, A0 100 dB."));
    if (build->bandRunning()) {
        QSignalSpy shown(build, &BuildWindow::bandShown);
        ASSERT_TRUE(shown.wait(20000));
    }
    ASSERT_TRUE(build->band().has_value());
    // The design's own report, points and control word are as without it.
    EXPECT_EQ(memoLines(), tab().report);
    expectChartsOfTheDesign();
    EXPECT_TRUE(x87::sameControlWord(x87::readControlWord(), kProgramWord))
        << std::hex << x87::readControlWord();
    build->close();
}

INSTANTIATE_TEST_SUITE_P(ActiveTabs, ActiveTabE2e, ::testing::Values(kMultiFeedback, kSallenKey),
                         [](const auto& param) { return std::string(param.param.form.page); });

}  // namespace
}  // namespace tessaron::e2e
