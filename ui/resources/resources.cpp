// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/resources/resources.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIcon>

// The resources live in a static library, where nothing else would pull their
// registration in; Q_INIT_RESOURCE must be used outside any namespace.
static void initLibraryResources() {
    Q_INIT_RESOURCE(pictures);
    Q_INIT_RESOURCE(fonts);
}

namespace tessaron {

void initResources() {
    static const bool once = [] {
        initLibraryResources();
        return true;
    }();
    (void)once;
}

bool registerApplicationFonts() {
    initResources();
    static const int id = QFontDatabase::addApplicationFont(":/fonts/tahoma.ttf");
    return id >= 0;
}

void setUpApplication() {
    QApplication::setApplicationName("Tessaron");
    QApplication::setApplicationDisplayName("Tessaron");
    // Lets the desktop match the window to the installed entry and its icon.
    QGuiApplication::setDesktopFileName("tessaron");
    registerApplicationFonts();
    QApplication::setWindowIcon(QIcon(":/pictures/tessaron.svg"));
}

}  // namespace tessaron
