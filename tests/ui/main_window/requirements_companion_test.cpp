// SPDX-License-Identifier: GPL-3.0-or-later

// The Requirements window as the main window opens it, and "Use" acting on
// the tab as the user would.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <map>
#include <memory>
#include <set>

#include "tests/ui/support/window_test.h"
#include "ui/charts/context_menu.h"
#include "ui/requirements/fc_field_text.h"
#include "ui/requirements/requirements_window.h"

namespace tessaron::test {
namespace {

const QKeySequence kShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_R);

class RequirementsCompanion : public WindowTest {
  protected:
    // Every field's text and every button's state in the whole window.
    std::map<QString, QString> controls() const {
        std::map<QString, QString> states;
        for (const QLineEdit* edit : window->findChildren<QLineEdit*>()) {
            states[edit->objectName()] = edit->text();
        }
        for (const QRadioButton* radio : window->findChildren<QRadioButton*>()) {
            states[radio->objectName()] = radio->isChecked() ? "checked" : "";
        }
        return states;
    }
    QString caption(const FormTab& t) const {
        const auto& pages = named<QTabWidget>("PageControl1");
        return pages.tabText(pages.indexOf(&named<QWidget>(t.page)));
    }
};

// Each tab's charts and report open that tab's window, their items showing
// the shortcut.
TEST_F(RequirementsCompanion, OpensFromEachMenuOfEachTab) {
    for (const FormTab& t : kFormTabs) {
        for (const char* widget : {t.gain.chart, t.phase.chart, t.memo}) {
            SCOPED_TRACE(widget);
            std::unique_ptr<QMenu> menu(createContextMenu(named<QWidget>(widget), QPoint(5, 5)));
            QAction* item = actionNamed(*menu, "Family and Order from Requirements…");
            ASSERT_NE(item, nullptr);
            EXPECT_EQ(item->shortcut(), kShortcut);
            item->trigger();
            const RequirementsWindow* shown = window->companions().requirements(t.topology);
            ASSERT_NE(shown, nullptr);
            EXPECT_TRUE(shown->isVisible());
            EXPECT_EQ(shown->windowTitle(), "Tessaron — Requirements, " + caption(t));
        }
    }
}

// The shortcut opens the window of the tab in front, and no other action of
// the window has it.
TEST_F(RequirementsCompanion, ItsShortcutOpensTheTabInFront) {
    std::multiset<QString> shortcuts;
    for (const QAction* action : window->actions()) {
        shortcuts.insert(action->shortcut().toString());
    }
    EXPECT_EQ(shortcuts.count(kShortcut.toString()), 1u);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    bringToFront(kFormTabs[1]);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
    for (const FormTab& t : kFormTabs) {
        EXPECT_EQ(window->companions().requirements(t.topology) != nullptr, &t == &kFormTabs[1]);
    }
}

// "Use" clicks the tab's family and order, types the row's fc and presses
// "Calc": the tab designs the row, and nothing else of the window changes.
TEST_F(RequirementsCompanion, UseDesignsTheRowOnItsTabAndChangesNothingElse) {
    const FormTab& t = formTab(kindOf<SallenKey>);
    fill(t, {"1000", "0", "1e-8", "0", "2e-8"});
    radio(t.methods[1]).setChecked(true);
    fill(formTab(kindOf<Passive>), {"500", "0.01"});
    RequirementsWindow& requirements = window->companions().showRequirements(t.topology);
    const Candidate row = requirements.study().candidates.at(5);  // Bessel 8th
    auto before = controls();

    requirements.useButton(5)->click();
    EXPECT_TRUE(radio(t.families[1]).isChecked());
    EXPECT_TRUE(radio(t.orders[2]).isChecked());
    EXPECT_EQ(edit(t.fc).text(), fcFieldText(row.fc, "."));
    const TabDesign* design = window->feed().lastDesign(t.topology);
    ASSERT_TRUE(design != nullptr && design->parts);
    EXPECT_EQ(static_cast<double>(design->request.Fc), row.fc);
    EXPECT_EQ(memoLines(t.memo).front(), QString("---Result of Method 2---"));
    EXPECT_EQ(memoLines(t.memo).filter("<Unit ").size(), 4);
    EXPECT_EQ(pointCount(t.gain.chart), 10000);
    EXPECT_TRUE(dialogs.messages.isEmpty() && dialogs.errors.isEmpty());
    before[t.fc] = edit(t.fc).text();
    for (std::size_t i = 0; i < 3; ++i) {
        before[t.families[i]] = i == 1 ? "checked" : "";
        before[t.orders[i]] = i == 2 ? "checked" : "";
    }
    EXPECT_EQ(controls(), before);
    for (const FormTab& other : {formTab(kindOf<MultipleFeedback>), formTab(kindOf<Passive>)}) {
        EXPECT_TRUE(memoLines(other.memo).isEmpty());
        EXPECT_EQ(window->feed().lastDesign(other.topology), nullptr);
    }
}

}  // namespace
}  // namespace tessaron::test
