// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <string>

#include "engine/coefficient_tables.h"
#include "engine/topologies.h"
#include "ui/files/result_saver.h"

class QAction;
class QCustomPlot;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QWidget;

namespace tessaron {

class BuildWindow;
class RequirementsWindow;
class ResponseWindow;
class TabFeed;

// The companion windows of the tabs, each made on first use and kept until
// the main window closes: "Build" (standard values and tolerances),
// "Response" (delay and step) and "Requirements" (the family and order that
// meet them). Their shortcuts (Ctrl+B, Ctrl+R, Ctrl+Shift+R) act on the tab
// in front, their items in a tab's menus on that tab.
// The netlist a tab's chart menus save is its Build window's.
class CompanionWindows : public QObject {
    Q_OBJECT

  public:
    // What a companion window needs of its tab.
    struct Tab {
        QString caption;
        QCustomPlot* gainChart = nullptr;
        QCustomPlot* phaseChart = nullptr;
        // What the Requirements window sets on the tab, as the user would.
        std::array<QRadioButton*, 3> families{};  // "Butterworth", "Bessel", "Chebyshev"
        std::array<QRadioButton*, 3> orders{};    // "2nd LPF", "4th LPF", "8th LPF"
        QLineEdit* fc = nullptr;
        QPushButton* calc = nullptr;
    };
    // Runs a handler under the main window's top-level handler.
    using Handled = std::function<void(const std::function<void()>&)>;

    // A Build window saves through `saver` with the boxes `dialogs` gives at
    // the time, under `handled`.
    CompanionWindows(QWidget& window, const TabFeed& feed, const CoefficientTables& tables,
                     Handled handled, std::function<TopologyKind()> tabInFront, ResultSaver& saver,
                     std::function<UserDialogs&()> dialogs);
    ~CompanionWindows() override;

    void setTab(TopologyKind topology, const Tab& tab);

    // The tab's window, made on first use, shown and raised.
    BuildWindow& showBuild(TopologyKind topology);
    ResponseWindow& showResponse(TopologyKind topology);
    RequirementsWindow& showRequirements(TopologyKind topology);
    // Null until first shown.
    BuildWindow* build(TopologyKind topology) const;
    ResponseWindow* response(TopologyKind topology) const;
    RequirementsWindow* requirements(TopologyKind topology) const;

    // The companions' items of the tab's windows, with their shortcuts, at the
    // end of one of the tab's menus.
    void addMenuItems(QMenu& menu, TopologyKind topology);

    // "Save SPICE Netlist…" of the tab's Build window and its choices, greyed
    // when it has nothing to write; the window is made (not shown) if need be.
    void addNetlistItem(QMenu& menu, TopologyKind topology);
    void saveNetlist(TopologyKind topology);

  private:
    struct Windows {
        Tab tab;
        BuildWindow* build = nullptr;                // a child of the main window
        ResponseWindow* response = nullptr;          // a child of the main window
        RequirementsWindow* requirements = nullptr;  // a child of the main window
    };
    Windows& of(TopologyKind topology);
    BuildWindow& buildWindow(TopologyKind topology);
    const Windows& of(TopologyKind topology) const;

    QWidget& window_;
    const TabFeed& feed_;
    const CoefficientTables& tables_;
    Handled handled_;
    Saving saving_;
    std::array<Windows, Topologies::size> windows_;
    QAction* buildAction_;
    QAction* responseAction_;
    QAction* requirementsAction_;
};

}  // namespace tessaron
