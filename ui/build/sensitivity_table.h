// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTableWidget>
#include <span>

#include "studies/sensitivity_table.h"

namespace tessaron {

// Every part with the sensitivities of its stage's fn and Q to it and its
// share of the band's spread, most to the band first. A click on a column's
// header sorts by the numbers behind it, not by their text. A table of parts
// alone, beside the build table: the stages' fn and Q rows have nothing to
// sort by here and would scatter among the parts.
class SensitivityTable : public QTableWidget {
    Q_OBJECT

  public:
    explicit SensitivityTable(QWidget* parent = nullptr);

    // Rows in the given order; a sort chosen before is dropped.
    void showRows(std::span<const SensitivityTableRow> rows);
};

}  // namespace tessaron
