// SPDX-License-Identifier: GPL-3.0-or-later

// "Save SPICE Netlist…" in a tab's chart menus, after the other saves: the
// netlist of the tab's Build window's choices.
#include <QRadioButton>

#include "tests/ui/main_window/saving.h"
#include "ui/build/build_window.h"

namespace tessaron::test {
namespace {

TEST_F(Saving, TheChartMenusSaveTheNetlistOfTheBuildWindowsChoices) {
    const SavedTab& sk = kSallenKey;
    const QString item = QString::fromUtf8("Save SPICE Netlist…");
    const std::unique_ptr<QMenu> menu = contextMenuOf(chart(sk.tab.phase.chart));
    const QList<QAction*> before = menu->actions();
    const auto at = std::find_if(before.begin(), before.end(), [](const QAction* action) {
        return action->text() == QString::fromUtf8("Export Curves As CSV…");
    });
    ASSERT_LT(at + 1, before.end());
    EXPECT_EQ((*(at + 1))->text(), item);
    EXPECT_FALSE((*(at + 1))->isEnabled());  // no design yet

    design(sk);
    window->companions().showBuild(sk.tab.topology).findChild<QRadioButton*>("AsBuilt")->click();
    dialogs.answer(inFolder("filter"));
    actionNamed(*contextMenuOf(chart(sk.tab.gain.chart)), item)->trigger();
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_TRUE(dialogs.questions[0].proposedPath.endsWith('/' + QString(sk.stem) + ".cir"));
    EXPECT_TRUE(contentsOf(inFolder("filter.cir")).contains("dominant-pole model"));
}

}  // namespace
}  // namespace tessaron::test
