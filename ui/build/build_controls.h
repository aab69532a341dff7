// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <string_view>

#include "studies/standard_value.h"

class QComboBox;
class QLabel;
class QWidget;

namespace tessaron {

// The studies write UTF-8.
inline QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The Build window's controls: a series to choose from ("Exact" keeps the
// design's values), a tolerance in percent, and a label of words that wrap
// and can be selected for copying.
QComboBox* seriesBox(QWidget& parent, const char* name, Series selected);
QComboBox* toleranceBox(QWidget& parent, const char* name, double selected);
QLabel* wrappedLabel(QWidget& parent, const char* name);

}  // namespace tessaron
