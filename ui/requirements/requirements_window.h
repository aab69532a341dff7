// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <functional>

#include "engine/coefficient_tables.h"
#include "studies/requirements.h"
#include "studies/requirements_study.h"

class QCustomPlot;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace tessaron {

class TabFeed;

// What "Use" does with a row: the tab's family, order and fc field set as the
// user would set them, fc in the text the field takes, and its "Calc" pressed.
using UseCandidate = std::function<void(FilterFamily family, int order, const QString& fcText)>;

// The "Requirements" companion window of one tab: the pass band's and the
// stop band's limits typed in, every family and order weighed against them in
// a table, their gain drawn over the limits, and on a click the row's design
// made on the tab. Every edit recomputes at once; a field that does not read
// says why beside it, and then nothing is computed or drawn.
class RequirementsWindow : public QWidget {
    Q_OBJECT

  public:
    // Reads and writes numbers with the feed's decimal separator.
    RequirementsWindow(const CoefficientTables& tables, const TabFeed& feed,
                       const QString& tabCaption, UseCandidate use, QWidget* parent = nullptr);

    QLineEdit& field(RequirementField field) const;
    // What the window says beside the field; empty when it reads.
    QString problem(RequirementField field) const;
    QTableWidget& table() const { return *table_; }
    QCustomPlot& chart() const { return *chart_; }
    QPushButton* useButton(int row) const;
    // What the table and the chart show now.
    const RequirementsStudy& study() const { return study_; }
    // What the window says below the fields: why nothing is shown, or empty.
    QString message() const;

    // Reads the fields as they stand and shows what follows from them.
    void recompute();

  protected:
    // The locale may have changed while it was hidden.
    void showEvent(QShowEvent* event) override;

  private:
    void use(std::size_t row) const;
    void showStudy();

    const CoefficientTables& tables_;
    const TabFeed& feed_;
    UseCandidate use_;
    std::array<QLineEdit*, kRequirementFields.size()> fields_{};
    std::array<QLabel*, kRequirementFields.size()> problems_{};
    QLabel* message_;
    QTableWidget* table_;
    QCustomPlot* chart_;
    RequirementsStudy study_;
};

}  // namespace tessaron
