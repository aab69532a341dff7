// SPDX-License-Identifier: GPL-3.0-or-later

// "Save SPICE Netlist…" of the Build window: the circuit as chosen, through
// the save dialog, and never for a design that stopped.
#include <QFile>
#include <QRadioButton>
#include <QTemporaryDir>

#include "tests/ui/build/build_window_fixture.h"

namespace tessaron::test {
namespace {

QPushButton& saveButton(const BuildWindow& build) {
    return *build.findChild<QPushButton*>("SaveNetlist");
}

TEST_F(BuildWindowTest, SaveSpiceNetlistWritesTheCircuitAsChosen) {
    QTemporaryDir folder;
    calc(kTabs[0], "1000", kTabs[0].first0);
    BuildWindow& build = window->companions().showBuild(kTabs[0].topology);
    build.findChild<QRadioButton*>("AsBuilt")->click();
    dialogs.answer(folder.filePath("stage.cir"));
    QTest::mouseClick(&saveButton(build), Qt::LeftButton);
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_TRUE(dialogs.questions[0].proposedPath.endsWith("/mfb-butterworth-2nd-1kHz.cir"));
    QFile file(folder.filePath("stage.cir"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    EXPECT_EQ(written, QByteArray::fromStdString(std::get<std::string>(build.netlist())));
    EXPECT_TRUE(written.contains("dominant-pole model"));
    EXPECT_TRUE(written.contains(" 3.2999999999999998e-08\n"));  // C1 at its E12 value, 33 nF
}

TEST_F(BuildWindowTest, ANetlistOfAStoppedDesignCannotBeSaved) {
    const BuildTab& ps = kTabs[2];
    BuildWindow& build = window->companions().showBuild(ps.topology);
    calc(ps, "1000", ps.first0);
    EXPECT_TRUE(saveButton(build).isEnabled());
    calc(ps, "0", ps.first0);
    EXPECT_FALSE(saveButton(build).isEnabled());
}

}  // namespace
}  // namespace tessaron::test
