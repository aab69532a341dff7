// SPDX-License-Identifier: GPL-3.0-or-later

// The Requirements window on a real X server: opened with its shortcut from
// a field of the tab, its fields typed into key by key, "Use" clicked with
// the mouse, and the tab's own controls and report looked at afterwards.
#include <QLabel>

#include "tests/e2e/window_e2e.h"
#include "ui/requirements/fc_field_text.h"
#include "ui/requirements/requirements_window.h"

namespace tessaron::e2e {
namespace {

void retype(QLineEdit& edit, const QString& text) {
    QTest::mouseClick(&edit, Qt::LeftButton);
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClicks(&edit, text);
    ASSERT_EQ(edit.text(), text);
}

TEST_P(WindowE2e, CtrlShiftRThenTypedRequirementsAndUseDesignTheRowOnTheTab) {
    setUpDesign();
    // The fields of the tab take Ctrl+E for themselves; the shortcut must
    // still reach the window from one of them.
    type(0, "1000");
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    ASSERT_EQ(QApplication::focusWidget(), &named<QLineEdit>(tab().form.fc));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_R,
                    Qt::ControlModifier | Qt::ShiftModifier);
    RequirementsWindow* requirements = window_->companions().requirements(tab().form.topology);
    ASSERT_NE(requirements, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(requirements));

    retype(requirements->field(RequirementField::PassEdge), "1 kHz");
    retype(requirements->field(RequirementField::PassLoss), "0.5");
    retype(requirements->field(RequirementField::StopEdge), "3k");
    retype(requirements->field(RequirementField::StopAttenuation), "45 dB");
    ASSERT_EQ(requirements->table().rowCount(), 9);

    // The lowest order that meets all, below the tab's 8th.
    const auto& rows = requirements->study().candidates;
    const auto row = std::find_if(rows.begin(), rows.end(), [](const Candidate& c) {
        return c.lowestPassing && c.order < 8;
    });
    ASSERT_NE(row, rows.end());
    const Candidate chosen = *row;
    QPushButton* use = requirements->useButton(static_cast<int>(row - rows.begin()));
    ASSERT_TRUE(use != nullptr && use->isVisible());
    closer_->forget();
    QTest::mouseClick(use, Qt::LeftButton);
    expectBoxes({});
    EXPECT_TRUE(x87::sameControlWord(x87::readControlWord(), kProgramWord));

    const auto family = static_cast<std::size_t>(chosen.family - 1);
    EXPECT_TRUE(named<QRadioButton>(tab().form.families[family]).isChecked());
    const std::size_t order = chosen.order == 2 ? 0 : chosen.order == 4 ? 1 : 2;
    EXPECT_TRUE(named<QRadioButton>(tab().form.orders[order]).isChecked());
    EXPECT_EQ(named<QLineEdit>(tab().form.fc).text(), fcFieldText(chosen.fc, "."));
    const QStringList report = memoLines();
    ASSERT_FALSE(report.isEmpty());
    EXPECT_EQ(report.mid(0, 2), header(tab().method));
    EXPECT_EQ(report.filter("<Unit ").size(), chosen.order / 2);
    EXPECT_EQ(charted().gain.size(), 10000u);
    requirements->close();
}

}  // namespace
}  // namespace tessaron::e2e
