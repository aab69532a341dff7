// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <functional>

#include "engine/coefficient_tables.h"
#include "engine/topologies.h"
#include "ui/files/result_saver.h"

class QAction;
class QCustomPlot;
class QMenu;
class QWidget;

namespace tessaron {

class BuildWindow;
class ResponseWindow;
class TabFeed;

// The companion windows of the tabs, each made on first use and kept until
// the main window closes: "Build" (standard values and tolerances) and
// "Response" (delay and step). Their shortcuts (Ctrl+B, Ctrl+R) act on the
// tab in front, their items in a tab's menus on that tab.
class CompanionWindows : public QObject {
    Q_OBJECT

  public:
    // What a companion window needs of its tab.
    struct Tab {
        QString caption;
        QCustomPlot* gainChart = nullptr;
        QCustomPlot* phaseChart = nullptr;
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
    // Null until first shown.
    BuildWindow* build(TopologyKind topology) const;
    ResponseWindow* response(TopologyKind topology) const;

    // The companions' items of the tab's windows, with their shortcuts, at the
    // end of one of the tab's menus.
    void addMenuItems(QMenu& menu, TopologyKind topology);

  private:
    struct Windows {
        Tab tab;
        BuildWindow* build = nullptr;        // a child of the main window
        ResponseWindow* response = nullptr;  // a child of the main window
    };
    Windows& of(TopologyKind topology);
    const Windows& of(TopologyKind topology) const;

    QWidget& window_;
    const TabFeed& feed_;
    const CoefficientTables& tables_;
    Handled handled_;
    Saving saving_;
    std::array<Windows, Topologies::size> windows_;
    QAction* buildAction_;
    QAction* responseAction_;
};

}  // namespace tessaron
