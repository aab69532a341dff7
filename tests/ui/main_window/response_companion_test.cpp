// SPDX-License-Identifier: GPL-3.0-or-later

// The Response window as the main window opens it and keeps it up to date.
#include <gtest/gtest.h>

#include <qcustomplot.h>

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <memory>
#include <vector>

#include "mathlib/x87.h"
#include "tests/ui/support/window_test.h"
#include "ui/charts/context_menu.h"
#include "ui/response/response_window.h"

namespace tessaron::test {
namespace {

class ResponseCompanion : public WindowTest {
  protected:
    // The main window's own points of a chart.
    std::vector<QCPGraphData> points(const char* chart) const {
        const auto& data = *named<QCustomPlot>(chart).graph(0)->data();
        return {data.constBegin(), data.constEnd()};
    }
    void chooseFromMenu(const char* widget) const {
        std::unique_ptr<QMenu> menu(createContextMenu(named<QWidget>(widget), QPoint(5, 5)));
        QAction* item = actionNamed(*menu, "Delay and Step Response…");
        // The item shows the shortcut that opens the same window.
        EXPECT_EQ(item->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
        item->trigger();
    }
    void design(const FormTab& t) const {
        fill(t, {"1000", "10000", "10e-9"});
        calc(t);
    }
    // A companion follows once the "Calc" has returned.
    void calc(const FormTab& t) const {
        click(t.calc);
        QCoreApplication::sendPostedEvents();
    }
};

bool samePoints(const std::vector<QCPGraphData>& a, const std::vector<QCPGraphData>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const QCPGraphData& x, const QCPGraphData& y) {
                          return x.key == y.key && x.value == y.value;
                      });
}

const char* const kCaptions[] = {"Tessaron — Response, Multi-Feedback",
                                 "Tessaron — Response, Sallen-Key", "Tessaron — Response, Passive"};

// Each tab's gain and phase charts, and its report beside them, open that
// tab's window, and only that one.
TEST_F(ResponseCompanion, OpensFromEachChartsMenu) {
    for (std::size_t i = 0; i < kFormTabs.size(); ++i) {
        const FormTab& t = kFormTabs[i];
        for (const char* widget : {t.gain.chart, t.phase.chart, t.memo}) {
            SCOPED_TRACE(widget);
            chooseFromMenu(widget);
            const ResponseWindow* response = window->companions().response(t.topology);
            ASSERT_NE(response, nullptr);
            EXPECT_TRUE(response->isVisible());
            EXPECT_EQ(response->windowTitle(), QString::fromUtf8(kCaptions[i]));
            EXPECT_TRUE(response->isWindow());
        }
    }
}

// Ctrl+R opens the window of the tab in front.
TEST_F(ResponseCompanion, CtrlROpensTheTabInFront) {
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    for (const std::size_t page : {std::size_t{2}, std::size_t{0}}) {
        bringToFront(kFormTabs[page]);
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_R, Qt::ControlModifier);
        const ResponseWindow* response = window->companions().response(kFormTabs[page].topology);
        ASSERT_NE(response, nullptr) << page;
        EXPECT_TRUE(response->isVisible());
    }
    EXPECT_EQ(window->companions().response(kFormTabs[1].topology), nullptr);
}

// The window follows each "Calc" of its tab and says why when one stops.
TEST_F(ResponseCompanion, FollowsEveryCalcOfItsTab) {
    const FormTab& t = formTab(kindOf<SallenKey>);
    ResponseWindow& response = window->companions().showResponse(t.topology);
    EXPECT_EQ(response.message(),
              QString("No design yet: \"Calc\" on the Sallen-Key tab makes one."));

    fill(t, {"1000", "10000", "10e-9"});
    click(t.calc);
    // Not while the "Calc" runs: the tab's report and charts come first.
    EXPECT_EQ(response.delayChart().graphCount(), 0);
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(response.delayChart().graphCount(), 1);
    EXPECT_EQ(response.delayChart().graph(0)->dataCount(), 10000);
    EXPECT_EQ(response.figures().item(3, 0)->text(), QString("4.32 %"));

    named<QRadioButton>(t.families[2]).setChecked(true);
    named<QRadioButton>(t.orders[1]).setChecked(true);
    calc(t);
    EXPECT_EQ(response.figures().horizontalHeaderItem(0)->text(), QString("Chebyshev"));
    EXPECT_NE(response.figures().item(3, 0)->text(), QString("4.32 %"));

    edit(t.fc).setText("0");
    calc(t);
    EXPECT_EQ(response.delayChart().graphCount(), 0);
    EXPECT_TRUE(response.message().startsWith(
        QString("The last \"Calc\" stopped, so there is no design to show: ") +
        dialogs.errors.back()))
        << response.message().toStdString();

    // Another tab's "Calc" leaves it alone.
    design(formTab(kindOf<Passive>));
    EXPECT_EQ(response.delayChart().graphCount(), 0);

    // Closed, it rests; opened again, it shows the tab's last design.
    response.close();
    design(t);
    EXPECT_EQ(response.delayChart().graphCount(), 0);
    EXPECT_EQ(&window->companions().showResponse(t.topology), &response);
    EXPECT_EQ(response.delayChart().graphCount(), 1);
    EXPECT_EQ(response.message(), QString());
}

// The delay's frequency axis and the tab's are one: a zoom on either shows
// the same frequencies on all three charts.
TEST_F(ResponseCompanion, TheDelayZoomsWithTheTabsCharts) {
    const FormTab& t = formTab(kindOf<Passive>);
    design(t);
    ResponseWindow& response = window->companions().showResponse(t.topology);
    QCustomPlot& gain = named<QCustomPlot>(t.gain.chart);
    QCustomPlot& phase = named<QCustomPlot>(t.phase.chart);
    QCustomPlot& delay = response.delayChart();
    EXPECT_EQ(delay.xAxis->range(), gain.xAxis->range());

    gain.xAxis->setRange(100, 500);
    EXPECT_EQ(delay.xAxis->range(), QCPRange(100, 500));
    delay.xAxis->setRange(20, 2000);
    EXPECT_EQ(gain.xAxis->range(), QCPRange(20, 2000));
    EXPECT_EQ(phase.xAxis->range(), QCPRange(20, 2000));
    // The next design sets the range of all three again, the same for each.
    design(t);
    EXPECT_NE(gain.xAxis->range(), QCPRange(20, 2000));
    EXPECT_EQ(delay.xAxis->range(), gain.xAxis->range());
    EXPECT_EQ(phase.xAxis->range(), gain.xAxis->range());
}

// Opening, comparing and following leave the main window's report, points
// and control word exactly as a "Calc" alone leaves them.
TEST_F(ResponseCompanion, LeavesTheMainWindowAsItWas) {
    const FormTab& t = formTab(kindOf<MultipleFeedback>);
    named<QRadioButton>(t.orders[2]).setChecked(true);
    design(t);
    const QStringList report = memoLines(t.memo);
    const auto gain = points(t.gain.chart);
    const auto phase = points(t.phase.chart);

    ResponseWindow& response = window->companions().showResponse(t.topology);
    response.compareBox().setChecked(true);
    EXPECT_EQ(response.delayChart().graphCount(), 3);
    EXPECT_EQ(response.stepChart().graphCount(), 3);

    EXPECT_EQ(memoLines(t.memo), report);
    EXPECT_EQ(named<QCustomPlot>(t.gain.chart).graphCount(), 1);
    EXPECT_EQ(named<QCustomPlot>(t.phase.chart).graphCount(), 1);
    EXPECT_TRUE(samePoints(points(t.gain.chart), gain));
    EXPECT_TRUE(samePoints(points(t.phase.chart), phase));
    EXPECT_TRUE(x87::sameControlWord(x87::readControlWord(), 0x1332));

    // A second "Calc" of the same design reports again and plots the same points.
    calc(t);
    EXPECT_EQ(memoLines(t.memo).size(), 2 * report.size());
    EXPECT_TRUE(samePoints(points(t.gain.chart), gain));
    EXPECT_EQ(response.delayChart().graphCount(), 3);
    EXPECT_TRUE(x87::sameControlWord(x87::readControlWord(), 0x1332));
}

}  // namespace
}  // namespace tessaron::test
