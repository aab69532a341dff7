// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace tessaron {

// What the window asks of the standard save dialog.
struct SaveFileQuestion {
    QString caption;
    // The folder to open, with the proposed name in it.
    QString proposedPath;
    // "CSV files (*.csv)"; the first one is selected when the dialog opens.
    QStringList filters;
};

// The user's choice: the file and the filter selected when it was chosen.
struct SaveFileAnswer {
    QString path;
    int filter = 0;  // index into SaveFileQuestion::filters
};

// Every box the window shows goes through here, so tests can record the texts
// instead of blocking on a modal box.
class UserDialogs {
  public:
    virtual ~UserDialogs() = default;
    // A plain box with one OK button; returns when it is dismissed.
    virtual void showMessage(const QString& text) = 0;
    // An error box (error icon, one OK button); returns when it is dismissed.
    virtual void showError(const QString& text) = 0;
    // The save dialog; nothing when the user cancels. Boxes that cannot ask
    // (those that only record what they were told) cancel.
    virtual std::optional<SaveFileAnswer> askSaveFileName(const SaveFileQuestion& question);
};

// Modal message boxes captioned with the application title, and the standard
// file dialog.
class MessageBoxDialogs : public UserDialogs {
  public:
    explicit MessageBoxDialogs(QWidget* parent) : parent_(parent) {}
    void showMessage(const QString& text) override;
    void showError(const QString& text) override;
    std::optional<SaveFileAnswer> askSaveFileName(const SaveFileQuestion& question) override;

  private:
    QWidget* parent_;
};

}  // namespace tessaron
