// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QWidget>
#include <vector>

#include "engine/coefficient_tables.h"
#include "engine/topologies.h"
#include "studies/family_comparison.h"
#include "ui/tab_feed/tab_design.h"

class QCheckBox;
class QCustomPlot;
class QLabel;
class QTableWidget;

namespace tessaron {
class TabFeed;
}

namespace tessaron {

// The "Response" companion window of one tab: the group delay and the step
// response of the tab's last completed design, their figures beside them, and
// on request the same design in the other two families. It shows what it
// cannot show, and why, instead of a curve.
class ResponseWindow : public QWidget {
    Q_OBJECT

  public:
    // Shows the last design of the feed's tab `topology`.
    ResponseWindow(const CoefficientTables& tables, const TabFeed& feed, TopologyKind topology,
                   const QString& tabCaption, QWidget* parent = nullptr);

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
    const TabFeed& feed_;
    TopologyKind topology_;
    QCustomPlot* delayChart_;
    QCustomPlot* stepChart_;
    QCheckBox* compare_;
    QTableWidget* figures_;
    QLabel* message_;
};

}  // namespace tessaron
