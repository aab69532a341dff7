// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The charts and reports of a tab as an engineer uses them: the window on
// screen and the mouse's events at exact positions.
#include <gtest/gtest.h>

#include <qcustomplot.h>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>

#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "tests/ui/support/window_test.h"
#include "ui/charts/chart_interaction.h"
#include "ui/charts/chart_series.h"
#include "ui/charts/chart_text.h"
#include "ui/charts/chart_tickers.h"
#include "ui/charts/context_menu.h"

namespace tessaron::test {

// Mouse actions as the chart receives them, at exact (sub-pixel) positions.
inline void mouse(QCustomPlot& chart, QEvent::Type type, const QPointF& position,
                  Qt::MouseButton button, Qt::MouseButtons buttons) {
    QMouseEvent event(type, position, chart.mapToGlobal(position), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(&chart, &event);
}

inline void hover(QCustomPlot& chart, const QPointF& position) {
    mouse(chart, QEvent::MouseMove, position, Qt::NoButton, Qt::NoButton);
}

inline void wheel(QCustomPlot& chart, const QPointF& position, int notches) {
    QWheelEvent event(position, chart.mapToGlobal(position), QPoint(), QPoint(0, 120 * notches),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&chart, &event);
}

inline void drag(QCustomPlot& chart, const QPointF& from, const QPointF& to) {
    mouse(chart, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    mouse(chart, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    mouse(chart, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

inline void doubleClick(QCustomPlot& chart, const QPointF& position) {
    mouse(chart, QEvent::MouseButtonDblClick, position, Qt::LeftButton, Qt::LeftButton);
}

inline QPointF pixelOf(const QCustomPlot& chart, double hertz, double value) {
    return {chart.xAxis->coordToPixel(hertz), chart.yAxis->coordToPixel(value)};
}

inline QPointF middleOf(const QCustomPlot& chart) {
    return QRectF(chart.axisRect()->rect()).center();
}

// The multiple-feedback tab, where the charts are read.
inline constexpr const FormTab& kTab = formTab(kindOf<MultipleFeedback>);
inline constexpr const char* kGain = kTab.gain.chart;
inline constexpr const char* kPhase = kTab.phase.chart;

// Every chart of the window, tab by tab.
inline std::vector<const char*> allCharts() {
    std::vector<const char*> charts;
    for (const FormTab& t : kFormTabs) {
        charts.push_back(t.gain.chart);
        charts.push_back(t.phase.chart);
    }
    return charts;
}

// The window on screen, so that the charts have their size and axis layout.
class ChartReading : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        for (const char* name : allCharts()) {
            // Readouts in a known format whatever the machine's locale.
            chart(name).setLocale(QLocale::c());
        }
    }

    QCustomPlot& chart(const char* name) const { return named<QCustomPlot>(name); }
    ChartInteraction& interaction(const char* name) const {
        ChartInteraction* found = ChartInteraction::of(chart(name));
        if (found == nullptr) {
            ADD_FAILURE() << name << " has no interaction";
            throw std::runtime_error("missing interaction");
        }
        return *found;
    }
    // Butterworth, 2nd order, Fix Rx: the points lie at 10, 19, 28 ... Hz.
    void designMultiFeedback(const char* fc) {
        fill(kTab, {fc, "10000"});
        click(kTab.calc);
        ASSERT_EQ(dialogs.errors, QStringList{});
        ASSERT_EQ(pointCount(kGain), 10000);
    }
    std::map<std::string, QCPRange> frequencyRanges() const {
        std::map<std::string, QCPRange> ranges;
        for (const char* name : allCharts()) {
            ranges[name] = chart(name).xAxis->range();
        }
        return ranges;
    }
};

}  // namespace tessaron::test
