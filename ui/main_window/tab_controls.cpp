// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main_window/tab_controls.h"

#include <qcustomplot.h>

#include <QLatin1String>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "ui/main_window/form_tabs.h"

namespace tessaron {
namespace {

template <typename Widget>
Widget* child(const QWidget& parent, const char* name) {
    auto* widget = parent.findChild<Widget*>(QLatin1String(name));
    Q_ASSERT_X(widget != nullptr, "TFormMain", name);
    return widget;
}

template <typename Widget, std::size_t N>
void findAll(const QWidget& form, const std::array<const char*, N>& names,
             std::array<Widget*, N>& widgets) {
    for (std::size_t i = 0; i < N; ++i) {
        widgets[i] = child<Widget>(form, names[i]);
    }
}

}  // namespace

TabControls findTabControls(const QWidget& form, const FormTab& names) {
    TabControls t;
    t.names = &names;
    t.page = child<QWidget>(form, names.page);
    t.fc = child<QLineEdit>(form, names.fc);
    findAll(form, names.first, t.first);
    findAll(form, names.second, t.second);
    findAll(form, names.families, t.family);
    findAll(form, names.orders, t.order);
    findAll(form, names.methods, t.method);
    t.calc = child<QPushButton>(form, names.calc);
    t.memo = child<QPlainTextEdit>(form, names.memo);
    t.gainChart = child<QCustomPlot>(form, names.gain.chart);
    t.phaseChart = child<QCustomPlot>(form, names.phase.chart);
    return t;
}

FieldTexts fieldTexts(const TabControls& t) {
    FieldTexts fields;
    fields.fc = t.fc->text().toStdString();
    for (std::size_t stage = 0; stage < kMaxStages; ++stage) {
        fields.first[stage] = t.first[stage]->text().toStdString();
        fields.second[stage] = t.second[stage]->text().toStdString();
    }
    return fields;
}

TabChoices tabChoices(const TabControls& t) {
    constexpr std::array kFamilies{Butterworth, Bessel, Chebyshev};
    constexpr std::array kOrders{2, 4, 8};
    TabChoices choices;
    for (std::size_t i = 0; i < t.family.size(); ++i) {
        if (t.family[i]->isChecked()) {
            choices.family = kFamilies[i];
        }
    }
    for (std::size_t i = 0; i < t.order.size(); ++i) {
        if (t.order[i]->isChecked()) {
            choices.order = kOrders[i];
        }
    }
    if (t.method[1]->isChecked()) {
        choices.method = 2;
    }
    return choices;
}

void clearFields(const TabControls& t) {
    t.fc->setText("0");
    for (std::size_t stage = 0; stage < kMaxStages; ++stage) {
        t.first[stage]->setText("0");
        t.second[stage]->setText("0");
    }
}

}  // namespace tessaron
