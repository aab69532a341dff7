// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main_window/companion_windows.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QWidget>

#include "ui/build/build_window.h"
#include "ui/charts/chart_style.h"
#include "ui/response/response_window.h"
#include "ui/tab_feed/follow_tab.h"
#include "ui/tab_feed/tab_feed.h"

namespace tessaron {
namespace {

QAction* windowAction(QWidget& window, const QString& text, const QKeySequence& shortcut,
                      std::function<void()> act) {
    auto* action = new QAction(text, &window);
    action->setShortcut(shortcut);
    action->setShortcutVisibleInContextMenu(true);
    QObject::connect(action, &QAction::triggered, &window, std::move(act));
    // A shortcut of the whole window, whichever control has the focus.
    window.addAction(action);
    return action;
}

}  // namespace

CompanionWindows::CompanionWindows(QWidget& window, const TabFeed& feed,
                                   const CoefficientTables& tables, Handled handled,
                                   std::function<TopologyKind()> tabInFront, ResultSaver& saver,
                                   std::function<UserDialogs&()> dialogs)
    : window_(window),
      feed_(feed),
      tables_(tables),
      handled_(std::move(handled)),
      saving_{&saver, std::move(dialogs), handled_} {
    buildAction_ = windowAction(window, tr("Standard Values and Tolerances…"),
                                QKeySequence(Qt::CTRL | Qt::Key_B),
                                [this, tabInFront] { showBuild(tabInFront()); });
    buildAction_->setObjectName("BuildWindowAction");
    responseAction_ =
        windowAction(window, tr("Delay and Step Response…"), QKeySequence(Qt::CTRL | Qt::Key_R),
                     [this, tabInFront] { showResponse(tabInFront()); });
    responseAction_->setObjectName("ResponseWindowAction");
}

CompanionWindows::~CompanionWindows() {
    // A Build window takes its series off the tab's charts as it goes, so it
    // goes before them; a Response window reads the tables, so it goes
    // before them.
    for (Windows& w : windows_) {
        delete w.build;
        w.build = nullptr;
        delete w.response;
        w.response = nullptr;
    }
}

void CompanionWindows::setTab(TopologyKind topology, const Tab& tab) {
    of(topology).tab = tab;
}

CompanionWindows::Windows& CompanionWindows::of(TopologyKind topology) {
    return windows_.at(static_cast<std::size_t>(topology));
}

const CompanionWindows::Windows& CompanionWindows::of(TopologyKind topology) const {
    return windows_.at(static_cast<std::size_t>(topology));
}

BuildWindow* CompanionWindows::build(TopologyKind topology) const {
    return of(topology).build;
}

ResponseWindow* CompanionWindows::response(TopologyKind topology) const {
    return of(topology).response;
}

BuildWindow& CompanionWindows::showBuild(TopologyKind topology) {
    Windows& w = of(topology);
    if (w.build == nullptr) {
        w.build = new BuildWindow(window_, feed_, topology, w.tab.caption, *w.tab.gainChart,
                                  *w.tab.phaseChart, saving_);
    }
    w.build->show();
    w.build->raise();
    w.build->activateWindow();
    return *w.build;
}

ResponseWindow& CompanionWindows::showResponse(TopologyKind topology) {
    Windows& w = of(topology);
    if (w.response == nullptr) {
        w.response = new ResponseWindow(tables_, feed_, topology, w.tab.caption, &window_);
        // The delay is drawn over the tab's own frequencies: zooming either
        // shows the same band of frequencies in both.
        linkKeyAxes(*w.tab.gainChart, w.response->delayChart());
        // It follows its tab's "Calc"s while it is shown, after the "Calc" has
        // returned (the tab's own report and charts come first), and catches
        // up when it is shown again.
        followTab(feed_, topology, *w.response,
                  [this, response = w.response] { handled_([response] { response->refresh(); }); });
    }
    handled_([&w] { w.response->refresh(); });
    w.response->show();
    w.response->raise();
    w.response->activateWindow();
    return *w.response;
}

void CompanionWindows::addMenuItems(QMenu& menu, TopologyKind topology) {
    menu.addSeparator();
    // The menu's own items, for the tab the menu belongs to, show the same
    // shortcuts as the window's.
    for (const QAction* windowAction : {buildAction_, responseAction_}) {
        QAction* item = menu.addAction(windowAction->text());
        item->setShortcut(windowAction->shortcut());
        item->setShortcutVisibleInContextMenu(true);
        if (windowAction == buildAction_) {
            connect(item, &QAction::triggered, this, [this, topology] { showBuild(topology); });
        } else {
            connect(item, &QAction::triggered, this, [this, topology] { showResponse(topology); });
        }
    }
}

}  // namespace tessaron
