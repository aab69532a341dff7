// SPDX-License-Identifier: GPL-3.0-or-later

// One "Calc" click at order 8, from the click until both charts are replotted,
// with no companion window open and with the tab's Build and Response windows
// open beside it; a GBW typed into the Build window with a real op-amp; one
// keystroke in a Requirements window; the bare x87 sweep of the design run's
// benchmark is measured in the same run as the yardstick.
#include <benchmark/benchmark.h>

#include <qcustomplot.h>
#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QString>
#include <QTabWidget>
#include <cmath>
#include <vector>

#include "bench/plain_x87_sweep.h"
#include "mathlib/fp_guard.h"
#include "ui/build/build_window.h"
#include "ui/charts/chart_style.h"
#include "ui/main_window/companion_windows.h"
#include "ui/main_window/form_main.h"
#include "ui/main_window/form_tabs.h"
#include "ui/requirements/requirements_window.h"
#include "ui/resources/resources.h"
#include "ui/response/response_window.h"

namespace {

enum class Companions { None, BothOpen };
// What is timed of a click with companions open: until the tab's charts are
// replotted (the companions follow afterwards, untimed), or until the
// companions have followed too (all but the band, which runs on other threads).
enum class Until { TabReplotted, CompanionsFollowed };

// `given` is the first field of stage 0, the value "Fix Rx" or "Fix L" sizes with.
void calcClick(benchmark::State& state, tessaron::TopologyKind topology, const char* given,
               Companions companions = Companions::None, Until until = Until::TabReplotted) {
    const tessaron::FormTab& tab = tessaron::formTab(topology);
    tessaron::TFormMain window;
    window.show();
    // The tab is in front, as when a user clicks its button.
    auto* pages = window.findChild<QTabWidget*>("PageControl1");
    pages->setCurrentWidget(window.findChild<QWidget*>(tab.page));
    window.findChild<QLineEdit*>(tab.fc)->setText("1000");
    window.findChild<QLineEdit*>(tab.first[0])->setText(given);
    window.findChild<QRadioButton*>(tab.orders[2])->setChecked(true);
    auto* calc = window.findChild<QPushButton*>(tab.calc);
    auto* memo = window.findChild<QPlainTextEdit*>(tab.memo);
    if (companions == Companions::BothOpen) {
        calc->click();
        window.companions().showBuild(topology);
        window.companions().showResponse(topology);
    }
    for (auto _ : state) {
        calc->click();
        if (until == Until::CompanionsFollowed) {
            QCoreApplication::sendPostedEvents();
        }
        state.PauseTiming();
        // The turn of the event loop after the click, where the companions
        // follow and the Build window starts its band.
        QCoreApplication::sendPostedEvents();
        // A report that grows for ever would measure the memo, not the design.
        memo->clear();
        state.ResumeTiming();
    }
}

// The window's own share of a click: both series of a tab handed their 10,000
// points and both charts replotted.
void chartHandOver(benchmark::State& state) {
    QWidget page;
    QCustomPlot gainChart(&page);
    QCustomPlot phaseChart(&page);
    gainChart.setGeometry(430, 8, 339, 210);
    phaseChart.setGeometry(430, 224, 339, 210);
    tessaron::setUpChart(gainChart, tessaron::ChartQuantity::Gain, "Series1");
    tessaron::setUpChart(phaseChart, tessaron::ChartQuantity::Phase, "Series2");
    page.resize(785, 474);
    page.show();
    tessaron::ChartSeries gainSeries(gainChart, "Series1");
    tessaron::ChartSeries phaseSeries(phaseChart, "Series2");

    // The shape of an 8th-order design at fc = 1000 Hz.
    std::vector<tessaron::PlotPoint> gain;
    std::vector<tessaron::PlotPoint> phase;
    for (int k = 0; k < 10000; ++k) {
        const double f = 10.0 + 9.0 * k;
        const double ratio = f / 1000.0;
        gain.push_back({f, -10.0 * std::log10(1.0 + std::pow(ratio, 16.0))});
        phase.push_back({f, std::remainder(-180.0 * std::atan(ratio) * 8.0 / 3.14159, 360.0)});
    }
    for (auto _ : state) {
        gainSeries.clear();
        phaseSeries.clear();
        gainSeries.setPoints(gain);
        phaseSeries.setPoints(phase);
    }
}

// What the Response window adds to a "Calc" of its tab: reading the design,
// delay and step (of all three families when compared), the figures and both
// charts replotted. Measured on its own so the click's share stays apart.
void responseFollows(benchmark::State& state, bool compare) {
    const auto topology = tessaron::kindOf<tessaron::SallenKey>;
    const tessaron::FormTab& tab = tessaron::formTab(topology);
    tessaron::TFormMain window;
    window.show();
    window.findChild<QLineEdit*>(tab.fc)->setText("1000");
    window.findChild<QLineEdit*>(tab.first[0])->setText("10000");
    window.findChild<QRadioButton*>(tab.orders[2])->setChecked(true);
    window.findChild<QPushButton*>(tab.calc)->click();
    tessaron::ResponseWindow& response = window.companions().showResponse(topology);
    response.compareBox().setChecked(compare);
    for (auto _ : state) {
        response.refresh();
    }
}

// A keystroke in a tab's Requirements window, from the field's new text until
// the window, its table and its chart are painted anew: fs typed back and
// forth between two values that both fill the table.
void requirementsKeystroke(benchmark::State& state) {
    tessaron::TFormMain window;
    window.show();
    tessaron::RequirementsWindow& requirements =
        window.companions().showRequirements(tessaron::kindOf<tessaron::SallenKey>);
    QLineEdit& stopEdge = requirements.field(tessaron::RequirementField::StopEdge);
    const QString texts[] = {"4.1k", "4k"};
    std::size_t keystrokes = 0;
    for (auto _ : state) {
        stopEdge.setText(texts[keystrokes++ % 2]);
        requirements.repaint();
    }
}

// A GBW typed into the Build window of an 8th-order design with a real
// op-amp, until its table (with each stage's minimum GBW, exact and standard)
// and the curve as built are shown. One trial, so that the band, which runs
// on other threads, does not share the cores with what is timed.
void gbwTyped(benchmark::State& state, tessaron::TopologyKind topology) {
    const tessaron::FormTab& tab = tessaron::formTab(topology);
    tessaron::TFormMain window;
    window.show();
    window.findChild<QLineEdit*>(tab.fc)->setText("1000");
    window.findChild<QLineEdit*>(tab.first[0])->setText("10000");
    window.findChild<QRadioButton*>(tab.families[2])->setChecked(true);
    window.findChild<QRadioButton*>(tab.orders[2])->setChecked(true);
    window.findChild<QPushButton*>(tab.calc)->click();
    tessaron::BuildWindow& build = window.companions().showBuild(topology);
    build.findChild<QSpinBox*>("Trials")->setValue(1);
    build.findChild<QRadioButton*>("AsBuilt")->click();
    auto* gbw = build.findChild<QLineEdit*>("Gbw");
    bool faster = false;
    for (auto _ : state) {
        faster = !faster;
        gbw->setText(faster ? "20 MHz" : "10 MHz");
    }
}

}  // namespace

void BM_PlainX87Sweep(benchmark::State& state) {
    tessaron::plainX87Sweep(state);
}

BENCHMARK(BM_PlainX87Sweep)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(responseFollows, Order8Alone, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(responseFollows, Order8Compared, true)->Unit(benchmark::kMillisecond);
BENCHMARK(chartHandOver)->Unit(benchmark::kMillisecond);
BENCHMARK(requirementsKeystroke)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(gbwTyped, MultiFeedbackOrder8, tessaron::kindOf<tessaron::MultipleFeedback>)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(gbwTyped, SallenKeyOrder8, tessaron::kindOf<tessaron::SallenKey>)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calcClick, MultiFeedbackOrder8, tessaron::kindOf<tessaron::MultipleFeedback>,
                  "10000")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calcClick, SallenKeyOrder8, tessaron::kindOf<tessaron::SallenKey>, "10000")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calcClick, PassiveOrder8, tessaron::kindOf<tessaron::Passive>, "0.01")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calcClick, MultiFeedbackOrder8BothOpen,
                  tessaron::kindOf<tessaron::MultipleFeedback>, "10000", Companions::BothOpen)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calcClick, SallenKeyOrder8BothOpen, tessaron::kindOf<tessaron::SallenKey>,
                  "10000", Companions::BothOpen)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calcClick, PassiveOrder8BothOpen, tessaron::kindOf<tessaron::Passive>, "0.01",
                  Companions::BothOpen)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(calcClick, SallenKeyOrder8BothFollowed, tessaron::kindOf<tessaron::SallenKey>,
                  "10000", Companions::BothOpen, Until::CompanionsFollowed)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    tessaron::fp::installTrapSafetyNet();
    QApplication application(argc, argv);
    tessaron::setUpApplication();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
