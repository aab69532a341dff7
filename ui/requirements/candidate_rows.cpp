// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/requirements/candidate_rows.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <array>
#include <string>

#include "studies/candidate_texts.h"
#include "ui/charts/utf8_text.h"

namespace tessaron {
namespace {

std::array<std::string, kCandidateHeader.size()> cells(const CandidateTexts& t) {
    return {t.family,     t.order,      t.fc,        t.passLoss,       t.stopAttenuation,
            t.passMargin, t.stopMargin, t.overshoot, t.delayVariation, t.verdict};
}

// The figures read down their columns, so they stand on the right; the names
// and the verdict are words.
bool isFigure(std::size_t column) {
    return column >= 2 && column + 1 < kCandidateHeader.size();
}

}  // namespace

QColor rowBackground(const Candidate& c) {
    if (!c.meetsAll()) {
        return kFailingBackground;
    }
    return c.lowestPassing ? kLowestPassingBackground : QColor();
}

void setUpCandidateTable(QTableWidget& table) {
    table.setColumnCount(kUseColumn + 1);
    QStringList header;
    for (const std::string_view title : kCandidateHeader) {
        header << qText(title);
    }
    header << QString();
    table.setHorizontalHeaderLabels(header);
    table.setEditTriggers(QAbstractItemView::NoEditTriggers);
    table.setSelectionMode(QAbstractItemView::NoSelection);
    table.setFocusPolicy(Qt::NoFocus);
    table.verticalHeader()->setVisible(false);
    table.horizontalHeader()->setStretchLastSection(false);
}

void showCandidates(QTableWidget& table, std::span<const Candidate> candidates,
                    std::string_view separator, const std::function<void(std::size_t)>& use) {
    // Sized to the contents once the rows are in: sized at every item, as
    // the header's own mode does, it laid out every text of the table ninety
    // times a keystroke.
    table.setRowCount(static_cast<int>(candidates.size()));
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const Candidate& c = candidates[i];
        const int row = static_cast<int>(i);
        const auto texts = cells(candidateTexts(c, separator));
        const QColor background = rowBackground(c);
        for (std::size_t column = 0; column < texts.size(); ++column) {
            auto* item = new QTableWidgetItem(QString::fromStdString(texts[column]));
            if (isFigure(column)) {
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            if (background.isValid()) {
                item->setBackground(background);
            }
            if (c.lowestPassing) {
                QFont font = item->font();
                font.setBold(true);
                item->setFont(font);
            }
            table.setItem(row, static_cast<int>(column), item);
        }
        // The buttons stay with their rows from one keystroke to the next.
        if (useButton(table, row) == nullptr) {
            auto* button = new QPushButton(QStringLiteral("Use"));
            button->setObjectName(QStringLiteral("Use%1").arg(row));
            button->setAutoDefault(false);
            QObject::connect(button, &QPushButton::clicked, &table, [use, i] { use(i); });
            table.setCellWidget(row, kUseColumn, button);
        }
    }
    table.resizeColumnsToContents();
}

QPushButton* useButton(const QTableWidget& table, int row) {
    return qobject_cast<QPushButton*>(table.cellWidget(row, kUseColumn));
}

}  // namespace tessaron
