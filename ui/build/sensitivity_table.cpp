// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/build/sensitivity_table.h"

#include <QHeaderView>

#include "ui/charts/utf8_text.h"

namespace tessaron {
namespace {

constexpr int kSortKey = Qt::UserRole;

// Sorts by its number, so "-0.500" comes before "0.333" and "10 kΩ" after
// "8.2 nF" as the values are, not as their texts are.
class KeyedItem : public QTableWidgetItem {
  public:
    KeyedItem(const SensitivityCell& cell) : QTableWidgetItem(qText(cell.text)) {
        setData(kSortKey, cell.key);
    }
    bool operator<(const QTableWidgetItem& other) const override {
        return data(kSortKey).toDouble() < other.data(kSortKey).toDouble();
    }
};

}  // namespace

SensitivityTable::SensitivityTable(QWidget* parent)
    : QTableWidget(0, static_cast<int>(kSensitivityTableHeader.size()), parent) {
    setObjectName("Sensitivity");
    QStringList header;
    for (const std::string_view title : kSensitivityTableHeader) {
        header << qText(title);
    }
    setHorizontalHeaderLabels(header);
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    QHeaderView* top = horizontalHeader();
    top->setStretchLastSection(true);
    top->setSectionsClickable(true);
    // Sorted on a click only: with the view's own sorting on, a table being
    // filled sorts itself row by row, and one filled anew keeps the old sort.
    // The header has turned its indicator by the time it tells of the click.
    connect(top, &QHeaderView::sectionClicked, this, [this, top](int column) {
        sortItems(column, top->sortIndicatorOrder());
        top->setSortIndicatorShown(true);
    });
}

void SensitivityTable::showRows(std::span<const SensitivityTableRow> rows) {
    horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    horizontalHeader()->setSortIndicatorShown(false);
    setRowCount(static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t column = 0; column < rows[r].cells.size(); ++column) {
            auto* item = new KeyedItem(rows[r].cells[column]);
            if (column >= 2) {
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            setItem(static_cast<int>(r), static_cast<int>(column), item);
        }
    }
    resizeColumnsToContents();
}

}  // namespace tessaron
