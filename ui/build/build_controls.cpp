// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/build/build_controls.h"

#include <QComboBox>
#include <QLabel>
#include <array>

namespace tessaron {
namespace {

constexpr std::array kTolerancePercents{0.1, 0.5, 1.0, 2.0, 5.0, 10.0, 20.0};

}  // namespace

QComboBox* seriesBox(QWidget& parent, const char* name, Series selected) {
    auto* box = new QComboBox(&parent);
    box->setObjectName(name);
    for (const Series series : kAllSeries) {
        const QString text = series == Series::Exact ? "Exact" : qText(seriesName(series));
        box->addItem(text, static_cast<int>(series));
    }
    box->setCurrentIndex(box->findData(static_cast<int>(selected)));
    return box;
}

QComboBox* toleranceBox(QWidget& parent, const char* name, double selected) {
    auto* box = new QComboBox(&parent);
    box->setObjectName(name);
    for (const double percent : kTolerancePercents) {
        box->addItem(QString::number(percent) + " %", percent / 100);
        if (percent / 100 == selected) {
            box->setCurrentIndex(box->count() - 1);
        }
    }
    return box;
}

QLabel* wrappedLabel(QWidget& parent, const char* name) {
    auto* label = new QLabel(&parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace tessaron
