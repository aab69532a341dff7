// SPDX-License-Identifier: GPL-3.0-or-later

// Copying a chart or a report, and what other parts add to their menus.
#include "tests/ui/main_window/chart_reading.h"

namespace tessaron::test {
namespace {

// Copying

bool hasColour(const QImage& image, QRgb colour) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == colour) {
                return true;
            }
        }
    }
    return false;
}

TEST_F(ChartReading, CopyChartPutsThePictureWithoutTheReadoutOnTheClipboard) {
    designMultiFeedback("1000");
    QCustomPlot& gain = chart(kGain);
    const QImage withoutReadout = interaction(kGain).picture().toImage();
    hover(gain, pixelOf(gain, 1000, -3));
    ASSERT_TRUE(interaction(kGain).readoutShown());

    QApplication::clipboard()->clear();
    std::unique_ptr<QMenu> menu(createContextMenu(chart(kGain), middleOf(chart(kGain)).toPoint()));
    actionNamed(*menu, "Copy Chart")->trigger();

    const QImage copied = QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(copied.isNull());
    EXPECT_EQ(copied.size(), gain.size() * gain.devicePixelRatioF());
    EXPECT_TRUE(hasColour(copied, qRgb(255, 0, 0))) << "no red gain points";
    EXPECT_EQ(copied, withoutReadout.convertToFormat(QImage::Format_RGB32));
    // The user still sees the readout after copying.
    EXPECT_TRUE(interaction(kGain).readoutShown());
}

TEST_F(ChartReading, CopyAllCopiesTheWholeReportWhateverIsSelected) {
    designMultiFeedback("1000");
    auto& memo = named<QPlainTextEdit>(kTab.memo);
    memo.moveCursor(QTextCursor::Start);
    memo.moveCursor(QTextCursor::Down, QTextCursor::KeepAnchor);
    ASSERT_TRUE(memo.textCursor().hasSelection());

    QApplication::clipboard()->clear();
    std::unique_ptr<QMenu> menu(createContextMenu(memo, QPoint(5, 5)));
    actionNamed(*menu, "Copy All")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), memo.toPlainText());
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith("---Result of Method 1---\n"));
    // The standard editing actions stay in the menu.
    EXPECT_GT(menu->actions().size(), 5);
}

TEST_F(ChartReading, CopyAllIsOfferedOnEveryReportOnlyWhenThereIsText) {
    for (const FormTab& t : kFormTabs) {
        const char* name = t.memo;
        auto& memo = named<QPlainTextEdit>(name);
        EXPECT_EQ(memo.contextMenuPolicy(), Qt::CustomContextMenu) << name;
        std::unique_ptr<QMenu> empty(createContextMenu(memo, QPoint(5, 5)));
        EXPECT_FALSE(actionNamed(*empty, "Copy All")->isEnabled()) << name;
        memo.setPlainText("notes");
        std::unique_ptr<QMenu> filled(createContextMenu(memo, QPoint(5, 5)));
        EXPECT_TRUE(actionNamed(*filled, "Copy All")->isEnabled()) << name;
    }
}

// Adding to the menus

QStringList textsOf(const QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions()) {
        texts << action->text();
    }
    return texts;
}

TEST_F(ChartReading, AddedItemsComeLastEachTimeTheMenuOpens) {
    int opened = 0;
    const auto addExtra = [&opened](QMenu& menu) {
        ++opened;
        menu.addAction("Extra");
    };
    auto& memo = named<QPlainTextEdit>(kTab.memo);
    const QStringList chartBefore =
        textsOf(*std::unique_ptr<QMenu>(createContextMenu(chart(kGain), QPoint(5, 5))));
    const QStringList memoBefore =
        textsOf(*std::unique_ptr<QMenu>(createContextMenu(memo, QPoint(5, 5))));
    addContextMenuItems(chart(kGain), addExtra);
    addContextMenuItems(memo, addExtra);

    std::unique_ptr<QMenu> chartMenu(createContextMenu(chart(kGain), QPoint(5, 5)));
    EXPECT_EQ(textsOf(*chartMenu), chartBefore + QStringList{"Extra"});
    EXPECT_EQ(chartBefore.mid(0, 2), (QStringList{"Copy Chart", "Reset Zoom"}));
    std::unique_ptr<QMenu> memoMenu(createContextMenu(memo, QPoint(5, 5)));
    EXPECT_EQ(textsOf(*memoMenu), memoBefore + QStringList{"Extra"});
    EXPECT_TRUE(memoBefore.contains("Copy All"));
    EXPECT_EQ(opened, 2);

    // Only the chart it was added to has it.
    std::unique_ptr<QMenu> phaseMenu(createContextMenu(chart(kPhase), QPoint(5, 5)));
    EXPECT_FALSE(textsOf(*phaseMenu).contains("Extra"));
}

TEST_F(ChartReading, ReadoutReadsTheDesignWhateverIsAddedBeside) {
    designMultiFeedback("1000");
    addLineSeries(chart(kGain), "Reference", Qt::darkGreen);
    ChartSeries reference(chart(kGain), "Reference");
    reference.setPoints({{500, -40}, {1000, -50}, {2000, -60}});
    hover(chart(kGain), pixelOf(chart(kGain), 1000, -50));
    EXPECT_EQ(interaction(kGain).readoutText(), "1.00 kHz, -3.01 dB");
}
}  // namespace
}  // namespace tessaron::test
