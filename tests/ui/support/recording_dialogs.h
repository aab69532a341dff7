// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <vector>

#include "ui/files/dialogs.h"

// Failure messages show the text, not the bytes.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace tessaron::test {

// Records what would have been shown instead of blocking on a modal box, and
// answers the save dialog from a queue (an empty queue cancels).
class RecordingDialogs : public UserDialogs {
  public:
    void showMessage(const QString& text) override { messages.push_back(text); }
    void showError(const QString& text) override { errors.push_back(text); }
    std::optional<SaveFileAnswer> askSaveFileName(const SaveFileQuestion& question) override;

    // Answers "path" with the first filter selected.
    void answer(const QString& path, int filter = 0) {
        answers.push_back(SaveFileAnswer{path, filter});
    }

    QStringList messages;
    QStringList errors;
    std::vector<SaveFileQuestion> questions;
    std::deque<SaveFileAnswer> answers;
    // Runs while the dialog is up, as the dialog's own code would.
    std::function<void()> whileAsking;
};

// The item of a menu with this text; a test failure when there is none.
QAction* actionNamed(const QMenu& menu, const QString& text);

}  // namespace tessaron::test
