// SPDX-License-Identifier: GPL-3.0-or-later

// The Build window's circuit on paper: the drawing, its files, the parts list
// and the sensitivities, wired to the design and the choices.
#include <QHeaderView>
#include <QImage>
#include <QTemporaryDir>

#include "studies/parts_list.h"
#include "tests/ui/build/build_window_fixture.h"
#include "ui/build/sensitivity_table.h"
#include "ui/schematic/schematic_file.h"
#include "ui/schematic/schematic_view.h"

namespace tessaron::test {
namespace {

class PaperTest : public BuildWindowTest {
  protected:
    // Butterworth at 1 kHz, "Fix Rx" 10 kΩ; the order's button 0, 1 or 2.
    BuildWindow& designed(std::size_t orderButton) {
        radio(kTabs[0].form().orders[orderButton]).setChecked(true);
        calc(kTabs[0], "1000", "10000");
        return window->companions().showBuild(kTabs[0].topology);
    }
    static const SchematicView& view(const BuildWindow& build) {
        return *build.findChild<SchematicView*>("Schematic");
    }
    static const Scene& scene(const BuildWindow& build) { return view(build).fitted().scene; }
    static QAction& action(const BuildWindow& build, const char* name) {
        return *build.findChild<QAction*>(name);
    }
    // Saves through the recorded dialog into `bytes`.
    void save(const BuildWindow& build, const char* action, const QString& name, int filter) {
        const QString path = folder.filePath(name);
        dialogs.answer(path, filter);
        PaperTest::action(build, action).trigger();
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        bytes = file.readAll();
    }
    QTemporaryDir folder;
    QByteArray bytes;
};

// Every part of the table is drawn under its designator with the value the
// table shows it built with, from a series or kept exactly.
TEST_F(PaperTest, TheDrawingHoldsTheTablesDesignatorsAndValues) {
    BuildWindow& build = designed(2);
    for (const char* series : {"E12", "Exact"}) {
        SCOPED_TRACE(series);
        build.findChild<QComboBox*>("CapacitorSeries")->setCurrentText(series);
        std::vector<std::string> labels;
        for (const Label& label : scene(build).labels) {
            labels.push_back(label.text);
        }
        int parts = 0;
        for (int row = 0; row < table(build).rowCount(); ++row) {
            const QString part = cell(build, row, 1);
            if (!part.contains('(')) {
                continue;  // fn and Q
            }
            ++parts;
            const auto at =
                std::find(labels.begin(), labels.end(), part.section(' ', 0, 0).toStdString());
            ASSERT_LT(at + 1, labels.end()) << part.toStdString();
            EXPECT_EQ(QString::fromStdString(*(at + 1)), cell(build, row, 3));
        }
        EXPECT_EQ(parts, 20);
    }
}

TEST_F(PaperTest, TheDrawingAndItsItemsFollowEachCalc) {
    BuildWindow& build = window->companions().showBuild(kTabs[0].topology);
    EXPECT_FALSE(view(build).hasDrawing());
    EXPECT_FALSE(action(build, "SaveSchematicAction").isEnabled());
    designed(0);
    EXPECT_TRUE(action(build, "CopyPartsListAction").isEnabled());
    const auto hasU4 = [&] {
        return std::any_of(scene(build).symbols.begin(), scene(build).symbols.end(),
                           [](const Symbol& s) { return s.designator == "U4"; });
    };
    EXPECT_FALSE(hasU4());
    designed(2);
    EXPECT_TRUE(hasU4());
    calc(kTabs[0], "0", "10000");
    EXPECT_FALSE(view(build).hasDrawing());
    EXPECT_EQ(view(build).message(), text(build, "Status"));
    EXPECT_FALSE(action(build, "SavePartsListAction").isEnabled());
}

// The files are the view's drawing in the type chosen (their formats are the
// schematic's own tests').
TEST_F(PaperTest, SavesTheSchematicInTheTypeChosen) {
    const BuildWindow& build = designed(2);
    const QFont& font = view(build).sceneFont();
    save(build, "SaveSchematicAction", "drawing.svg", 0);
    EXPECT_TRUE(
        dialogs.questions[0].proposedPath.endsWith("/mfb-butterworth-8th-1kHz-schematic.svg"));
    EXPECT_EQ(bytes, schematicFileBytes(scene(build), font, ChartFormat::Svg));
    save(build, "SaveSchematicAction", "drawing.pdf", 1);
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    save(build, "SaveSchematicAction", "drawing.png", 4);  // 4× size
    EXPECT_EQ(bytes, schematicFileBytes(scene(build), font, ChartFormat::Png, 4));
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(PaperTest, CopyPutsTheSchematicOnTheClipboardAsAnImage) {
    const BuildWindow& build = designed(1);
    QGuiApplication::clipboard()->clear();
    action(build, "CopySchematicAction").trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->image().height(),
              static_cast<int>(std::ceil(scene(build).bounds.height())));
}

TEST_F(PaperTest, ThePartsListIsSavedAndCopiedAsTheSameCsv) {
    const BuildWindow& build = designed(0);
    QGuiApplication::clipboard()->clear();
    action(build, "CopyPartsListAction").trigger();
    const QString copied = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(copied.startsWith(QString::fromUtf8(kPartsListHeader.data()) + "\n"));
    save(build, "SavePartsListAction", "parts.csv", 0);
    EXPECT_TRUE(dialogs.questions[0].proposedPath.endsWith("/mfb-butterworth-2nd-1kHz-parts.csv"));
    EXPECT_EQ(QString::fromUtf8(bytes), copied);
}

// Two clicks on "S Q": rising, then falling numbers, where text order would
// put "-0.167" before "-0.500" and "0.333" before "-0.500". Only parts are
// there, twenty of them.
TEST_F(PaperTest, ASensitivityHeaderSortsThePartsByTheNumber) {
    BuildWindow& build = designed(2);
    build.resize(900, 700);
    auto& sensitivity = *build.findChild<SensitivityTable*>("Sensitivity");
    build.findChild<QTabWidget*>("Views")->setCurrentWidget(&sensitivity);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&build));
    QHeaderView& header = *sensitivity.horizontalHeader();
    const QPoint sq(header.sectionViewportPosition(4) + header.sectionSize(4) / 2, 5);
    ASSERT_EQ(sensitivity.rowCount(), 20);
    for (const int direction : {1, -1}) {
        QTest::mouseClick(header.viewport(), Qt::LeftButton, Qt::NoModifier, sq);
        for (int row = 1; row < sensitivity.rowCount(); ++row) {
            EXPECT_GE(direction * (sensitivity.item(row, 4)->text().toDouble() -
                                   sensitivity.item(row - 1, 4)->text().toDouble()),
                      0)
                << row;
        }
    }
}

// Equal resistors, C1 and C2 move Q by +1/2 and -1/2 (the sensitivities' own
// tests): the first of the two is named.
TEST_F(PaperTest, TheSummaryNamesThePartThatMovesQMost) {
    const BuildWindow& build = designed(0);
    EXPECT_TRUE(text(build, "Summary").endsWith(" Q moves most with C1 (Unit 0 C1): S Q 0.500."))
        << text(build, "Summary").toStdString();
}

}  // namespace
}  // namespace tessaron::test
