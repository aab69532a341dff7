// SPDX-License-Identifier: GPL-3.0-or-later

// Saving the report, the charts, the curves and the netlist of a tab: its
// menu items and shortcuts. Nothing here changes what the window shows.
#include <qcustomplot.h>

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>

#include "ui/charts/context_menu.h"
#include "ui/main_window/companion_windows.h"
#include "ui/main_window/form_main.h"
#include "ui/main_window/form_tabs.h"
#include "ui_form_main.h"

namespace tessaron {

void TFormMain::setUpSaving() {
    saveReportAction_ = new QAction(tr("Save Report As…"), this);
    saveReportAction_->setObjectName("SaveReportAction");
    saveReportAction_->setShortcut(QKeySequence::Save);
    connect(saveReportAction_, &QAction::triggered, this, &TFormMain::saveReport);

    exportCurvesAction_ = new QAction(tr("Export Curves As CSV…"), this);
    exportCurvesAction_->setObjectName("ExportCurvesAction");
    exportCurvesAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
    connect(exportCurvesAction_, &QAction::triggered, this, &TFormMain::exportCurves);

    // Shortcuts of the window, whichever control has the focus.
    addAction(saveReportAction_);
    addAction(exportCurvesAction_);

    for (Tab& t : tabs_) {
        addMenuItems(t);
        connect(t.controls.memo, &QPlainTextEdit::textChanged, this, &TFormMain::updateSaveActions);
    }
    connect(ui_->PageControl1, &QTabWidget::currentChanged, this, &TFormMain::updateSaveActions);
    updateSaveActions();
}

// The tab's own items of its report's and charts' menus, then the companion
// windows' items.
void TFormMain::addMenuItems(Tab& t) {
    const TabControls& c = t.controls;
    const TopologyKind topology = c.names->topology;
    addContextMenuItems(*c.memo, [this, topology](QMenu& menu) {
        updateSaveActions();
        menu.addAction(saveReportAction_);
        companions_->addMenuItems(menu, topology);
    });
    for (QCustomPlot* chart : {c.gainChart, c.phaseChart}) {
        const char* part = chart == c.gainChart ? "gain" : "phase";
        const ChartSeries* design = chart == c.gainChart ? t.gain.get() : t.phase.get();
        addContextMenuItems(*chart, [this, &t, chart, part, design](QMenu& menu) {
            menu.addSeparator();
            QAction* saveChart =
                menu.addAction(tr("Save Chart As…"), this, [this, &t, chart, part] {
                    handled([&] { saver_.saveChart(*dialogs_, *chart, fileStem(t, part)); });
                });
            saveChart->setEnabled(design->graph().dataCount() > 0);
            updateSaveActions();
            menu.addAction(exportCurvesAction_);
            companions_->addNetlistItem(menu, t.controls.names->topology);
            companions_->addMenuItems(menu, t.controls.names->topology);
        });
    }
}

// A report with nothing in it or a tab without points has nothing to save:
// the item is greyed and its shortcut does nothing.
void TFormMain::updateSaveActions() {
    const Tab& t = tabInFront();
    saveReportAction_->setEnabled(!t.controls.memo->document()->isEmpty());
    exportCurvesAction_->setEnabled(t.gain->producedCount() > 0);
}

TFormMain::Tab& TFormMain::tabInFront() {
    return tab(currentTopology());
}

// Named after the tab's last completed design ("mfb-butterworth-4th-1kHz"),
// before any design after the tab ("mfb"), with `part` appended ("-gain").
QString TFormMain::fileStem(const Tab& t, const char* part) const {
    QString stem =
        QString::fromStdString(t.lastCompleted ? designFileStem(*t.lastCompleted)
                                               : topologyFileStem(t.controls.names->topology));
    if (part != nullptr) {
        stem += '-' + QLatin1String(part);
    }
    return stem;
}

void TFormMain::saveReport() {
    handled([this] {
        Tab& t = tabInFront();
        // A report typed in before any design still needs a name of its own.
        saver_.saveReport(*dialogs_, *t.controls.memo,
                          fileStem(t, t.lastCompleted ? nullptr : "report"));
    });
}

void TFormMain::exportCurves() {
    handled([this] {
        Tab& t = tabInFront();
        saver_.exportCurves(*dialogs_, *t.gain, *t.phase, fileStem(t));
    });
}

}  // namespace tessaron
