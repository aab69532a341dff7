#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

#include "engine/coefficient_tables.h"
#include "studies/family_comparison.h"
#include "ui/tab_design.h"

class QCheckBox;
class QCustomPlot;
class QLabel;
class QTableWidget;

namespace tessaron {

// The "Response" companion window of one tab: the group delay and the step
// response of the tab's last completed design, their figures beside them, and
// on request the same design in the other two families. It shows what it
// cannot show, and why, instead of a curve.
class ResponseWindow : public QWidget {
    Q_OBJECT

  public:
    // `lastDesign` gives the tab's last design, or null before its first "Calc".
    ResponseWindow(const CoefficientTables& tables, const QString& tabCaption,
                   std::function<const TabDesign*()> lastDesign, QWidget* parent = nullptr);

    // Shows the tab's last design again, as it is now.
    void refresh();

    QCustomPlot& delayChart() const { return *delayChart_; }
    QCustomPlot& stepChart() const { return *stepChart_; }
    QCheckBox& compareBox() const { return *compare_; }
    const QTableWidget& figures() const { return *figures_; }
    // What the window says instead of, or beside, the curves; empty when all is shown.
    QString message() const;

  private:
    void showFamilies(const std::vector<FamilyDelayAndStep>& families);
    void showNothing(const QString& why);
    void clearCharts();

    const CoefficientTables& tables_;
    QString tabCaption_;
    std::function<const TabDesign*()> lastDesign_;
    QCustomPlot* delayChart_;
    QCustomPlot* stepChart_;
    QCheckBox* compare_;
    QTableWidget* figures_;
    QLabel* message_;
};

}  // namespace tessaron
