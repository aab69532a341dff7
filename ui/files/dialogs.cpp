// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/files/dialogs.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <algorithm>

namespace tessaron {

namespace {

void showBox(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(icon, QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace

std::optional<SaveFileAnswer> UserDialogs::askSaveFileName(const SaveFileQuestion&) {
    return std::nullopt;
}

void MessageBoxDialogs::showMessage(const QString& text) {
    showBox(parent_, QMessageBox::NoIcon, text);
}

void MessageBoxDialogs::showError(const QString& text) {
    showBox(parent_, QMessageBox::Critical, text);
}

std::optional<SaveFileAnswer> MessageBoxDialogs::askSaveFileName(const SaveFileQuestion& question) {
    QString selectedFilter = question.filters.value(0);
    // The dialog itself asks before replacing an existing file.
    const QString path =
        QFileDialog::getSaveFileName(parent_, question.caption, question.proposedPath,
                                     question.filters.join(";;"), &selectedFilter);
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return SaveFileAnswer{
        path, static_cast<int>(std::max<qsizetype>(0, question.filters.indexOf(selectedFilter)))};
}

}  // namespace tessaron
