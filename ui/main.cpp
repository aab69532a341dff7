#include <QApplication>

#include "mathlib/fp_guard.h"
#include "ui/form_main.h"
#include "ui/resources.h"

int main(int argc, char** argv) {
    tessaron::fp::installTrapSafetyNet();
    QApplication application(argc, argv);
    tessaron::setUpApplication();

    tessaron::TFormMain FormMain;
    FormMain.show();
    return application.exec();
}
