// SPDX-License-Identifier: GPL-3.0-or-later

// "Save SPICE Netlist…" of the Build window: through the save dialog into a
// file named after the design, with the window's choices, and never for a
// design that stopped.
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include "tests/ui/build/build_window_fixture.h"

namespace tessaron::test {
namespace {

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_F(BuildWindowTest, SaveSpiceNetlistWritesTheCircuitAsChosen) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const BuildTab& mf = kTabs[0];
    calc(mf, "1000", mf.first0);
    BuildWindow& build = window->companions().showBuild(mf.topology);
    build.findChild<QRadioButton*>("AsBuilt")->click();
    build.findChild<QLineEdit*>("Gbw")->setText("10 MHz");
    auto& save = *build.findChild<QPushButton*>("SaveNetlist");
    ASSERT_TRUE(save.isEnabled());
    const QString path = folder.filePath("stage.cir");
    dialogs.answer(path);
    save.click();
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_TRUE(dialogs.questions[0].proposedPath.endsWith("/mfb-butterworth-2nd-1kHz.cir"));
    EXPECT_EQ(dialogs.questions[0].filters, QStringList{"SPICE netlists (*.cir)"});
    const QByteArray written = contentsOf(path);
    EXPECT_EQ(written, QByteArray::fromStdString(std::get<std::string>(build.netlist())));
    EXPECT_TRUE(written.contains("dominant-pole model"));
    // The standard values, as the window's column shows them: C1 33 nF.
    EXPECT_TRUE(written.contains(" 3.2999999999999998e-08\n"));
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(BuildWindowTest, ANetlistOfAStoppedDesignCannotBeSaved) {
    for (const BuildTab& t : kTabs) {
        SCOPED_TRACE(t.caption);
        BuildWindow& build = window->companions().showBuild(t.topology);
        auto& save = *build.findChild<QPushButton*>("SaveNetlist");
        EXPECT_FALSE(save.isEnabled());  // no design yet
        calc(t, "1000", t.first0);
        EXPECT_TRUE(save.isEnabled());
        calc(t, "0", t.first0);
        EXPECT_FALSE(save.isEnabled());
        EXPECT_EQ(std::get<QString>(build.netlist()), "The last design stopped.");
    }
}

}  // namespace
}  // namespace tessaron::test
