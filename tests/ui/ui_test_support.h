#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QStringList>
#include <memory>
#include <ostream>
#include <vector>

#include "ui/dialogs.h"
#include "ui/form_main.h"

// Failure messages show the text, not the bytes.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace tessaron::test {

// Records what would have been shown instead of blocking on a modal box.
class RecordingDialogs : public UserDialogs {
  public:
    void showMessage(const QString& text) override { messages.push_back(text); }
    void showError(const QString& text) override { errors.push_back(text); }
    QStringList messages;
    QStringList errors;
};

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
    QLineEdit& edit(int number) const { return named<QLineEdit>(QString("Edit%1").arg(number)); }
    QRadioButton& radio(int number) const {
        return named<QRadioButton>(QString("RadioButton%1").arg(number));
    }
    void click(int button) const { named<QPushButton>(QString("BitBtn%1").arg(button)).click(); }
    QStringList memoLines(int memo) const;
    int pointCount(int chart) const;

    RecordingDialogs dialogs;
    std::unique_ptr<TFormMain> window;
};

}  // namespace tessaron::test
