// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>

#include "mathlib/fp_guard.h"
#include "ui/main_window/form_main.h"
#include "ui/resources/resources.h"

int main(int argc, char** argv) {
    tessaron::fp::installTrapSafetyNet();
    QApplication application(argc, argv);
    tessaron::setUpApplication();

    tessaron::TFormMain FormMain;
    FormMain.show();
    return application.exec();
}
