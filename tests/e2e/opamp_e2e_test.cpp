// SPDX-License-Identifier: GPL-3.0-or-later

// A real op-amp chosen in the Build window of each active tab, on a real X
// server: Ctrl+B, a click on "Real", a GBW typed key by key, and the table
// goes on with each stage's figures with that op-amp.
#include <QRadioButton>

#include "tests/e2e/window_e2e.h"

namespace tessaron::e2e {
namespace {

class ActiveTabE2e : public WindowE2e {};

TEST_P(ActiveTabE2e, RealOpAmpTypedInTheBuildWindowAddsItsRowsToTheTable) {
    calcTheDesign();
    pressCtrlOnTheWindow(Qt::Key_B);
    BuildWindow* build = window_->companions().build(tab().form.topology);
    ASSERT_NE(build, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(build));
    auto& real = *build->findChild<QRadioButton*>("AsBuilt");
    QTest::mouseClick(&real, Qt::LeftButton, {}, QPoint(8, real.height() / 2));
    ASSERT_TRUE(real.isChecked());
    auto& gbw = *build->findChild<QLineEdit*>("Gbw");
    QTest::mouseClick(&gbw, Qt::LeftButton);
    QTest::keyClick(&gbw, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&gbw, "10 MHz");
    ASSERT_EQ(gbw.text(), "10 MHz");
    // Each of the 8th-order design's four stages goes on with its three rows.
    const QString text = build->tableText();
    EXPECT_EQ(text.count("\tfn, real op-amp\t"), 4);
    EXPECT_EQ(text.count("\tQ, real op-amp\t"), 4);
    EXPECT_EQ(text.count("\tminimum GBW\t"), 4);
    EXPECT_TRUE(text.contains("Op-amp: GBW 10 MHz, A0 100 dB."));
    build->close();
}

INSTANTIATE_TEST_SUITE_P(ActiveTabs, ActiveTabE2e, ::testing::Values(kMultiFeedback, kSallenKey),
                         [](const auto& param) { return std::string(param.param.form.page); });

}  // namespace
}  // namespace tessaron::e2e
