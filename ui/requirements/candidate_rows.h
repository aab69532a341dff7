// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QString>
#include <cstddef>
#include <functional>
#include <span>
#include <string_view>

#include "studies/candidate_table.h"
#include "studies/candidate_texts.h"

class QPushButton;
class QTableWidget;

namespace tessaron {

// A row's background says how it stands at a glance: the lowest order of
// its family that meets every requirement in green, a row that fails one in
// red (its verdict says which), the others as the table is.
inline const QColor kLowestPassingBackground(205, 240, 205);
inline const QColor kFailingBackground(250, 218, 214);
QColor rowBackground(const Candidate& candidate);

// The table's columns: the candidate's texts, then its "Use" button.
inline constexpr int kUseColumn = static_cast<int>(kCandidateHeader.size());
void setUpCandidateTable(QTableWidget& table);

// The candidates as rows, in their order, with the reports' decimal separator;
// "Use" on a row hands its index to `use`. No candidates, no rows. A row's
// button is made once and keeps the `use` it was made with.
void showCandidates(QTableWidget& table, std::span<const Candidate> candidates,
                    std::string_view decimalSeparator, const std::function<void(std::size_t)>& use);

// The row's "Use" button, or null.
QPushButton* useButton(const QTableWidget& table, int row);

}  // namespace tessaron
