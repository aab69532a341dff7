// Saves a picture of each tab after a design, for looking at the window without
// a desktop: screenshots OUTPUT_DIR (run under Xvfb or the offscreen platform).
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <cstdio>

#include <qcustomplot.h>

#include "mathlib/fp_guard.h"
#include "ui/form_main.h"
#include "ui/resources.h"

namespace {

struct TabDesign {
    int tabIndex;
    const char* fcEdit;
    const char* firstEdit;
    const char* secondEdit;
    const char* firstValue;
    const char* secondValue;
    const char* orderButton;
    const char* calcButton;
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

    const TabDesign designs[] = {
        {0, "Edit1", "Edit2", "Edit3", "10000", "0", "RadioButton5", "BitBtn2", "multi_feedback"},
        {1, "Edit10", "Edit11", "Edit12", "10000", "0", "RadioButton14", "BitBtn4", "sallen_key"},
        {2, "Edit19", "Edit20", "Edit21", "0.01", "1e-6", "RadioButton20", "BitBtn6", "passive"},
    };
    auto* pages = window.findChild<QTabWidget*>("PageControl1");
    for (const TabDesign& design : designs) {
        pages->setCurrentIndex(design.tabIndex);
        window.findChild<QLineEdit*>(design.fcEdit)->setText("1000");
        window.findChild<QLineEdit*>(design.firstEdit)->setText(design.firstValue);
        window.findChild<QLineEdit*>(design.secondEdit)->setText(design.secondValue);
        window.findChild<QRadioButton*>(design.orderButton)->setChecked(true);
        window.findChild<QPushButton*>(design.calcButton)->click();
        if (!save(window, output, design.file)) {
            return 1;
        }
    }

    // The first tab's gain chart read at 1 kHz, then both its charts zoomed in
    // around 1 kHz and the phase read there too.
    pages->setCurrentIndex(0);
    auto* gain = window.findChild<QCustomPlot*>("Chart1");
    auto* phase = window.findChild<QCustomPlot*>("Chart2");
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
    auto* memo = window.findChild<QPlainTextEdit*>("Memo1");
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
    window.findChild<QLineEdit*>("Edit1")->setText("abc");
    window.findChild<QPushButton*>("BitBtn2")->click();
    answer.stop();
    if (!saved) {
        std::fprintf(stderr, "no error box to grab\n");
        return 1;
    }
    return save(window, output, "after_error") ? 0 : 1;
}
