// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The Build window of each tab, opened on a window as the program builds it.
#include <gtest/gtest.h>

#include <qcustomplot.h>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "mathlib/x87.h"
#include "tests/ui/support/window_test.h"
#include "ui/build/build_overlay.h"
#include "ui/build/build_window.h"

namespace tessaron::test {

struct BuildTab {
    TopologyKind topology;
    const char* caption;
    const char* first0;  // "Fix Rx" or "Fix L"
    const FormTab& form() const { return formTab(topology); }
};

inline const std::vector<BuildTab> kTabs{
    {kindOf<MultipleFeedback>, "Multi-Feedback", "10000"},
    {kindOf<SallenKey>, "Sallen-Key", "10000"},
    {kindOf<Passive>, "Passive", "0.1"},
};

// The points of a chart's series, in the order the chart keeps them.
inline std::vector<std::pair<double, double>> pointsOf(const QCPGraph& graph) {
    std::vector<std::pair<double, double>> points;
    for (auto it = graph.data()->constBegin(); it != graph.data()->constEnd(); ++it) {
        points.emplace_back(it->key, it->value);
    }
    return points;
}

class BuildWindowTest : public WindowTest {
  protected:
    void calc(const BuildTab& t, const char* fc, const char* first0) {
        edit(t.form().fc).setText(fc);
        edit(t.form().first[0]).setText(first0);
        click(t.form().calc);
        // The window follows once the "Calc" has returned.
        QCoreApplication::sendPostedEvents();
    }
    static QString text(const BuildWindow& build, const char* label) {
        return build.findChild<QLabel*>(label)->text();
    }
    static QTableWidget& table(const BuildWindow& build) {
        return *build.findChild<QTableWidget*>("Table");
    }
    static QString cell(const BuildWindow& build, int row, int column) {
        return table(build).item(row, column)->text();
    }
    // Waits for the band of the current design or choice.
    static void waitForBand(BuildWindow& build) {
        QSignalSpy shown(&build, &BuildWindow::bandShown);
        if (build.bandRunning()) {
            ASSERT_TRUE(shown.wait(10000));
        }
        ASSERT_TRUE(build.band().has_value()) << text(build, "BandStatus").toStdString();
    }
};

}  // namespace tessaron::test
