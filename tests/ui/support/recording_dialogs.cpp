// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/ui/support/recording_dialogs.h"

namespace tessaron::test {

std::optional<SaveFileAnswer> RecordingDialogs::askSaveFileName(const SaveFileQuestion& question) {
    questions.push_back(question);
    if (whileAsking) {
        whileAsking();
    }
    if (answers.empty()) {
        return std::nullopt;
    }
    SaveFileAnswer next = answers.front();
    answers.pop_front();
    return next;
}

QAction* actionNamed(const QMenu& menu, const QString& text) {
    for (QAction* action : menu.actions()) {
        if (action->text() == text) {
            return action;
        }
    }
    ADD_FAILURE() << "no action " << text.toStdString();
    throw std::runtime_error("missing action");
}

}  // namespace tessaron::test
