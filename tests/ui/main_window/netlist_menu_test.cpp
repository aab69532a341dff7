// SPDX-License-Identifier: GPL-3.0-or-later

// "Save SPICE Netlist…" in a tab's chart menus, beside the other saves: it
// writes the tab's netlist with the choices of the tab's Build window.
#include <QRadioButton>

#include "tests/ui/main_window/saving.h"
#include "ui/build/build_window.h"

namespace tessaron::test {
namespace {

QStringList textsOf(const QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions()) {
        texts << action->text();
    }
    return texts;
}

TEST_F(Saving, TheChartMenusSaveTheNetlistWithTheBuildWindowsChoices) {
    const SavedTab& sk = kSallenKey;
    for (const char* name : {sk.tab.gain.chart, sk.tab.phase.chart}) {
        SCOPED_TRACE(name);
        const QStringList texts = textsOf(*contextMenuOf(chart(name)));
        const qsizetype exportAt = texts.indexOf(QString::fromUtf8("Export Curves As CSV…"));
        ASSERT_GE(exportAt, 0);
        EXPECT_EQ(texts.value(exportAt + 1), QString::fromUtf8("Save SPICE Netlist…"));
        EXPECT_FALSE(actionNamed(*contextMenuOf(chart(name)), "Save SPICE Netlist…")->isEnabled());
    }
    design(sk);
    BuildWindow& build = window->companions().showBuild(sk.tab.topology);
    build.findChild<QRadioButton*>("AsBuilt")->click();
    build.close();
    dialogs.answer(inFolder("filter"));
    actionNamed(*contextMenuOf(chart(sk.tab.gain.chart)), "Save SPICE Netlist…")->trigger();
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_TRUE(dialogs.questions[0].proposedPath.endsWith('/' + QString(sk.stem) + ".cir"));
    const QByteArray written = contentsOf(inFolder("filter.cir"));
    EXPECT_EQ(written, QByteArray::fromStdString(std::get<std::string>(build.netlist())));
    EXPECT_TRUE(written.contains("dominant-pole model"));
}

TEST_F(Saving, TheChartMenusNetlistIsGreyedForAStoppedDesign) {
    design(kPassive);
    edit(kPassive.tab.fc).setText("0");
    click(kPassive.tab.calc);
    EXPECT_FALSE(actionNamed(*contextMenuOf(chart(kPassive.tab.phase.chart)),
                             QString::fromUtf8("Save SPICE Netlist…"))
                     ->isEnabled());
}

}  // namespace
}  // namespace tessaron::test
