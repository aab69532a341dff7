// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>

#include "engine/coefficient_tables.h"
#include "engine/request_reader.h"

class QCustomPlot;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace tessaron {

struct FormTab;

// The controls of one topology tab, found once by the form's names.
struct TabControls {
    const FormTab* names = nullptr;
    QWidget* page = nullptr;  // the tab's page of the notebook
    QLineEdit* fc = nullptr;
    std::array<QLineEdit*, kMaxStages> first{};
    std::array<QLineEdit*, kMaxStages> second{};
    std::array<QRadioButton*, 3> family{};
    std::array<QRadioButton*, 3> order{};
    std::array<QRadioButton*, 2> method{};
    QPushButton* calc = nullptr;
    QPlainTextEdit* memo = nullptr;
    QCustomPlot* gainChart = nullptr;
    QCustomPlot* phaseChart = nullptr;
};

TabControls findTabControls(const QWidget& form, const FormTab& names);

// The texts of the tab's nine fields as the reader takes them.
FieldTexts fieldTexts(const TabControls& tab);

// What the tab's radio groups choose; with none checked in a group, its first.
struct TabChoices {
    FilterFamily family = Butterworth;
    int order = 2;
    int method = 1;
};
TabChoices tabChoices(const TabControls& tab);

// "AC": every field of the tab back to "0".
void clearFields(const TabControls& tab);

}  // namespace tessaron
