#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <vector>

#include "ui/dialogs.h"
#include "ui/form_main.h"
#include "ui/form_tabs.h"

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

// A window as the program builds it, with its boxes recorded.
class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override;

    template <typename Widget>
    Widget& named(const QString& name) const {
        auto* widget = window->findChild<Widget*>(name);
        if (widget == nullptr) {
            ADD_FAILURE() << "no control named " << name.toStdString();
            throw std::runtime_error("missing control");
        }
        return *widget;
    }
    QLineEdit& edit(const char* name) const { return named<QLineEdit>(name); }
    QRadioButton& radio(const char* name) const { return named<QRadioButton>(name); }
    void click(const char* button) const { named<QPushButton>(button).click(); }
    QStringList memoLines(const char* memo) const;
    int pointCount(const char* chart) const;
    // Types `texts` into the tab's fields in field order, "fc" first.
    void fill(const FormTab& tab, const QStringList& texts) const;
    // Puts the tab's page in front, as a click on its tab would.
    void bringToFront(const FormTab& tab) const;

    RecordingDialogs dialogs;
    std::unique_ptr<TFormMain> window;
};

}  // namespace tessaron::test
