// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <string_view>

#include "studies/standard_value.h"
#include "ui/charts/utf8_text.h"

class QComboBox;
class QLabel;
class QWidget;

namespace tessaron {

// The Build window's controls: a series to choose from ("Exact" keeps the
// design's values), a tolerance in percent, and a label of words that wrap
// and can be selected for copying.
QComboBox* seriesBox(QWidget& parent, const char* name, Series selected);
QComboBox* toleranceBox(QWidget& parent, const char* name, double selected);
QLabel* wrappedLabel(QWidget& parent, const char* name);

}  // namespace tessaron
