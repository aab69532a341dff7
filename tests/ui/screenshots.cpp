// SPDX-License-Identifier: GPL-3.0-or-later

// Saves a picture of each tab after a design, for looking at the window without
// a desktop: screenshots OUTPUT_DIR (run under Xvfb or the offscreen platform).
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <cstdio>

#include <qcustomplot.h>

#include "mathlib/fp_guard.h"
#include "ui/build/build_window.h"
#include "ui/main_window/companion_windows.h"
#include "ui/main_window/form_main.h"
#include "ui/main_window/form_tabs.h"
#include "ui/requirements/requirements_window.h"
#include "ui/resources/resources.h"
#include "ui/response/response_window.h"

namespace {

// A design on a tab: "fc" 1000, stage 0's two fields and an order button.
struct TabDesign {
    tessaron::TopologyKind topology;
    std::size_t orderButton;  // 0, 1, 2: "2nd", "4th", "8th LPF"
    const char* firstValue;
    const char* secondValue;
    const char* file;
};

// Hovers a chart at a frequency, as the mouse would, so that its readout shows.
void hover(QCustomPlot& chart, double hertz) {
    const QPointF position(chart.xAxis->coordToPixel(hertz), chart.axisRect()->rect().center().y());
    QMouseEvent move(QEvent::MouseMove, position, chart.mapToGlobal(position), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&chart, &move);
}

void zoomIn(QCustomPlot& chart, double hertz, int steps) {
    const QPointF position(chart.xAxis->coordToPixel(hertz), chart.axisRect()->rect().center().y());
    QWheelEvent wheel(position, chart.mapToGlobal(position), QPoint(), QPoint(0, 120 * steps),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&chart, &wheel);
}

bool save(QWidget& window, const QDir& output, const char* name) {
    QTest::qWait(200);
    const QString file = output.filePath(QString::fromLatin1(name) + ".png");
    if (!window.grab().save(file)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return false;
    }
    return true;
}

// The whole screen, for what lies outside the window: its menus.
bool saveScreen(const QDir& output, const char* name) {
    QTest::qWait(200);
    const QString file = output.filePath(QString::fromLatin1(name) + ".png");
    if (!QGuiApplication::primaryScreen()->grabWindow(0).save(file)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return false;
    }
    return true;
}

// Opens a control's context menu where the user would right-click, pictures
// the screen and closes the menu again.
bool saveContextMenu(QWidget& widget, const QPoint& position, const QDir& output,
                     const char* name) {
    emit widget.customContextMenuRequested(position);
    const bool saved = saveScreen(output, name);
    for (QMenu* menu : widget.findChildren<QMenu*>()) {
        menu->close();
    }
    return saved;
}

// A tab beside one of its companion windows, in one picture.
bool saveSideBySide(QWidget& window, QWidget& companion, const QDir& output, const char* name) {
    QTest::qWait(200);
    const QPixmap tab = window.grab();
    const QPixmap beside = companion.grab();
    QPixmap both(tab.width() + beside.width(), std::max(tab.height(), beside.height()));
    both.fill(Qt::white);
    {
        QPainter painter(&both);
        painter.drawPixmap(0, 0, tab);
        painter.drawPixmap(tab.width(), 0, beside);
    }
    const QString file = output.filePath(QString::fromLatin1(name) + ".png");
    if (!both.save(file)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return false;
    }
    return true;
}

void waitForBand(tessaron::BuildWindow& build) {
    if (build.bandRunning()) {
        QSignalSpy shown(&build, &tessaron::BuildWindow::bandShown);
        shown.wait(20000);
    }
}

}  // namespace

int main(int argc, char** argv) {
    tessaron::fp::installTrapSafetyNet();
    QApplication application(argc, argv);
    tessaron::setUpApplication();
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));

    tessaron::TFormMain window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "window not exposed\n");
    }

    using tessaron::kindOf;
    const TabDesign designs[] = {
        {kindOf<tessaron::MultipleFeedback>, 1, "10000", "0", "multi_feedback"},
        {kindOf<tessaron::SallenKey>, 2, "10000", "0", "sallen_key"},
        {kindOf<tessaron::Passive>, 0, "0.01", "1e-6", "passive"},
    };
    auto* pages = window.findChild<QTabWidget*>("PageControl1");
    for (const TabDesign& design : designs) {
        const tessaron::FormTab& tab = tessaron::formTab(design.topology);
        pages->setCurrentWidget(window.findChild<QWidget*>(tab.page));
        window.findChild<QLineEdit*>(tab.fc)->setText("1000");
        window.findChild<QLineEdit*>(tab.first[0])->setText(design.firstValue);
        window.findChild<QLineEdit*>(tab.second[0])->setText(design.secondValue);
        window.findChild<QRadioButton*>(tab.orders[design.orderButton])->setChecked(true);
        window.findChild<QPushButton*>(tab.calc)->click();
        if (!save(window, output, design.file)) {
            return 1;
        }
    }

    // The Sallen-Key design's Response window with the three families compared.
    const auto compared = kindOf<tessaron::SallenKey>;
    tessaron::ResponseWindow& response = window.companions().showResponse(compared);
    response.compareBox().setChecked(true);
    if (!QTest::qWaitForWindowExposed(&response) || !save(response, output, "response")) {
        return 1;
    }
    response.hide();

    // The same tab's Requirements window with the limits it opens with and
    // an overshoot of at most 12 %.
    tessaron::RequirementsWindow& requirements = window.companions().showRequirements(compared);
    requirements.field(tessaron::RequirementField::Overshoot).setText("12");
    if (!QTest::qWaitForWindowExposed(&requirements) ||
        !save(requirements, output, "requirements")) {
        return 1;
    }
    // And with fs below fp, said beside the field, the table and chart empty.
    requirements.field(tessaron::RequirementField::StopEdge).setText("500");
    if (!save(requirements, output, "requirements_problem")) {
        return 1;
    }
    requirements.hide();

    // The first tab's gain chart read at 1 kHz, then both its charts zoomed in
    // around 1 kHz and the phase read there too.
    const tessaron::FormTab& first = tessaron::formTab(designs[0].topology);
    pages->setCurrentWidget(window.findChild<QWidget*>(first.page));
    auto* gain = window.findChild<QCustomPlot*>(first.gain.chart);
    auto* phase = window.findChild<QCustomPlot*>(first.phase.chart);
    hover(*gain, 1000);
    if (!save(window, output, "readout")) {
        return 1;
    }
    zoomIn(*gain, 1000, 6);
    hover(*phase, 1000);
    if (!save(window, output, "zoomed")) {
        return 1;
    }

    // The context menus of the first tab's report and gain chart, with their
    // saving items, and the save dialog that Ctrl+S opens.
    auto* memo = window.findChild<QPlainTextEdit*>(first.memo);
    if (!saveContextMenu(*memo, QPoint(40, 200), output, "report_menu") ||
        !saveContextMenu(*gain, QPoint(150, 100), output, "chart_menu")) {
        return 1;
    }
    bool dialogSaved = false;
    QTimer::singleShot(500, [&] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            dialogSaved = saveScreen(output, "save_dialog");
            dialog->reject();
        }
    });
    window.findChild<QAction*>("SaveReportAction")->trigger();
    if (!dialogSaved) {
        std::fprintf(stderr, "no save dialog to grab\n");
        return 1;
    }

    // The first tab's Build window with the band on the tab's charts, the two
    // side by side in one picture.
    window.findChild<QLineEdit*>(first.fc)->setText("1000");
    window.findChild<QPushButton*>(first.calc)->click();
    tessaron::BuildWindow& build = window.companions().showBuild(first.topology);
    waitForBand(build);
    if (!saveSideBySide(window, build, output, "build_window")) {
        return 1;
    }

    // A high-Q design, Chebyshev of order 8, built with a real op-amp of
    // 1 MHz: the table's rows with it, the stage that needs more, and the
    // curve and band as built.
    window.findChild<QRadioButton*>(first.families[2])->setChecked(true);
    window.findChild<QRadioButton*>(first.orders[2])->setChecked(true);
    window.findChild<QPushButton*>(first.calc)->click();
    QCoreApplication::sendPostedEvents();
    build.findChild<QRadioButton*>("AsBuilt")->click();
    build.findChild<QLineEdit*>("Gbw")->setText("1 MHz");
    // The last stage, the one of the highest Q, with its minimum GBW.
    build.findChild<QTableWidget*>("Table")->scrollToBottom();
    waitForBand(build);
    if (!saveSideBySide(window, build, output, "opamp_real")) {
        return 1;
    }
    build.close();

    // Each tab's Build window at order 8 on its Schematic view, made large
    // enough to show the whole cascade of four stages with its values.
    const char* schematicFiles[] = {"schematic_mfb", "schematic_sallen_key", "schematic_passive"};
    for (const TabDesign& design : designs) {
        const tessaron::FormTab& form = tessaron::formTab(design.topology);
        pages->setCurrentWidget(window.findChild<QWidget*>(form.page));
        window.findChild<QLineEdit*>(form.fc)->setText("1000");
        window.findChild<QRadioButton*>(form.orders[2])->setChecked(true);
        window.findChild<QPushButton*>(form.calc)->click();
        tessaron::BuildWindow& paper = window.companions().showBuild(design.topology);
        paper.resize(1180, 900);
        auto* views = paper.findChild<QTabWidget*>("Views");
        views->setCurrentIndex(2);
        const auto file = schematicFiles[static_cast<std::size_t>(design.topology)];
        if (!QTest::qWaitForWindowExposed(&paper) || !save(paper, output, file)) {
            return 1;
        }
        // The first one's parts by their sensitivities too.
        views->setCurrentIndex(1);
        if (&design == designs && !save(paper, output, "sensitivity")) {
            return 1;
        }
        views->setCurrentIndex(0);
        paper.close();
    }

    // An unreadable fc: its message box, then the error box of the division by
    // zero that follows, grabbed while it is up, then the window behind it.
    bool saved = false;
    const QString errorFile = output.filePath("error_box.png");
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        if (box->icon() == QMessageBox::Critical) {
            saved = box->grab().save(errorFile);
        }
        box->accept();
    });
    answer.start(200);
    window.findChild<QLineEdit*>(first.fc)->setText("abc");
    window.findChild<QPushButton*>(first.calc)->click();
    answer.stop();
    if (!saved) {
        std::fprintf(stderr, "no error box to grab\n");
        return 1;
    }
    return save(window, output, "after_error") ? 0 : 1;
}
