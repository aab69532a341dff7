#include "ui/dialogs.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace tessaron {

namespace {

void showBox(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(icon, QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace

void MessageBoxDialogs::showMessage(const QString& text) {
    showBox(parent_, QMessageBox::NoIcon, text);
}

void MessageBoxDialogs::showError(const QString& text) {
    showBox(parent_, QMessageBox::Critical, text);
}

}  // namespace tessaron
