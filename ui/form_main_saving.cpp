// Saving the report, the charts and the curves of a tab: its menu items and
// shortcuts. Nothing here changes what the window shows.
#include <qcustomplot.h>

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>

#include "ui/context_menu.h"
#include "ui/form_main.h"
#include "ui/form_tabs.h"
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
        addSaveItems(t);
        connect(t.memo, &QPlainTextEdit::textChanged, this, &TFormMain::updateSaveActions);
    }
    connect(ui_->PageControl1, &QTabWidget::currentChanged, this, &TFormMain::updateSaveActions);
    updateSaveActions();
}

void TFormMain::addSaveItems(Tab& t) {
    addContextMenuItems(*t.memo, [this, topology = t.names->topology](QMenu& menu) {
        updateSaveActions();
        menu.addAction(saveReportAction_);
        addCompanionItems(menu, topology);
    });
    for (QCustomPlot* chart : {t.gainChart, t.phaseChart}) {
        const char* part = chart == t.gainChart ? "gain" : "phase";
        const ChartSeries* design = chart == t.gainChart ? t.gain.get() : t.phase.get();
        addContextMenuItems(*chart, [this, &t, chart, part, design](QMenu& menu) {
            menu.addSeparator();
            QAction* saveChart =
                menu.addAction(tr("Save Chart As…"), this, [this, &t, chart, part] {
                    runHandled([&] { saver_.saveChart(*dialogs_, *chart, fileStem(t, part)); });
                });
            saveChart->setEnabled(design->graph().dataCount() > 0);
            updateSaveActions();
            menu.addAction(exportCurvesAction_);
            addCompanionItems(menu, t.names->topology);
        });
    }
}

// A report with nothing in it or a tab without points has nothing to save:
// the item is greyed and its shortcut does nothing.
void TFormMain::updateSaveActions() {
    const Tab& t = tabInFront();
    saveReportAction_->setEnabled(!t.memo->document()->isEmpty());
    exportCurvesAction_->setEnabled(t.gain->producedCount() > 0);
}

TFormMain::Tab& TFormMain::tabInFront() {
    return tab(currentTopology());
}

// Named after the tab's last completed design ("mfb-butterworth-4th-1kHz"),
// before any design after the tab ("mfb"), with `part` appended ("-gain").
QString TFormMain::fileStem(const Tab& t, const char* part) const {
    QString stem = QString::fromStdString(t.lastCompleted ? designFileStem(*t.lastCompleted)
                                                          : topologyFileStem(t.names->topology));
    if (part != nullptr) {
        stem += '-' + QLatin1String(part);
    }
    return stem;
}

void TFormMain::saveReport() {
    runHandled([this] {
        Tab& t = tabInFront();
        // A report typed in before any design still needs a name of its own.
        saver_.saveReport(*dialogs_, *t.memo, fileStem(t, t.lastCompleted ? nullptr : "report"));
    });
}

void TFormMain::exportCurves() {
    runHandled([this] {
        Tab& t = tabInFront();
        saver_.exportCurves(*dialogs_, *t.gain, *t.phase, fileStem(t));
    });
}

}  // namespace tessaron
