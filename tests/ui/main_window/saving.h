// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Results leaving the window: the report, the charts and the curves of a tab
// saved through its menus and shortcuts.
#include <gtest/gtest.h>

#include <qcustomplot.h>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QKeySequence>
#include <QLocale>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <bit>
#include <string>
#include <vector>

#include "analysis/curves_csv.h"
#include "tests/mathlib/fpu_probe.h"
#include "tests/support/comma_locale.h"
#include "tests/support/curves_csv_reader.h"
#include "tests/ui/support/window_test.h"
#include "tests/ui/support/write_failures.h"
#include "ui/charts/chart_series.h"
#include "ui/main_window/memo_report.h"

namespace tessaron::test {

inline QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The memo's text as a file on this platform.
inline QByteArray platformText(const QString& text) {
    QByteArray bytes = text.toUtf8();
#ifdef Q_OS_WIN
    bytes.replace("\n", "\r\n");
#endif
    return bytes;
}

// A tab and the name its files get after the design below.
struct SavedTab {
    FormTab tab;
    const char* stem;
};

inline const SavedTab kMultiFeedback{formTab(kindOf<MultipleFeedback>), "mfb-butterworth-4th-1kHz"};
inline const SavedTab kSallenKey{formTab(kindOf<SallenKey>), "sallen-key-butterworth-4th-1kHz"};
inline const SavedTab kPassive{formTab(kindOf<Passive>), "passive-butterworth-4th-1kHz"};

class Saving : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        ASSERT_TRUE(folder.isValid());
    }

    // A 4th-order Butterworth design at 1 kHz, its tab in front.
    inline void design(const SavedTab& t) {
        bringToFront(t.tab);
        edit(t.tab.fc).setText("1000");
        edit(t.tab.first[0]).setText(t.tab.topology == kindOf<Passive> ? "0.01" : "10000");
        radio(t.tab.orders[1]).click();  // "4th LPF"
        click(t.tab.calc);
        ASSERT_EQ(dialogs.errors, QStringList{});
    }
    QAction& action(const char* name) const { return named<QAction>(name); }
    QCustomPlot& chart(const char* name) const { return named<QCustomPlot>(name); }
    QString inFolder(const QString& name) const { return QDir(folder.path()).filePath(name); }

    // The menu the user gets on the memo or chart, as the window pops it up.
    template <typename Widget>
    inline std::unique_ptr<QMenu> contextMenuOf(Widget& widget) {
        emit widget.customContextMenuRequested(QPoint(5, 5));
        QMenu* menu = widget.template findChild<QMenu*>();
        if (menu == nullptr) {
            ADD_FAILURE() << "no context menu";
            throw std::runtime_error("no context menu");
        }
        menu->setAttribute(Qt::WA_DeleteOnClose, false);
        menu->hide();
        return std::unique_ptr<QMenu>(menu);
    }

    QTemporaryDir folder;
};

}  // namespace tessaron::test
