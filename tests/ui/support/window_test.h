// SPDX-License-Identifier: GPL-3.0-or-later

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

#include "tests/ui/support/recording_dialogs.h"
#include "ui/main_window/companion_windows.h"
#include "ui/main_window/form_main.h"
#include "ui/main_window/form_tabs.h"

namespace tessaron::test {

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
