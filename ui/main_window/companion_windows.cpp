// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main_window/companion_windows.h"

#include <QAction>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <algorithm>
#include <iterator>
#include <variant>

#include "studies/candidate_table.h"
#include "ui/build/build_netlist.h"
#include "ui/build/build_window.h"
#include "ui/charts/chart_style.h"
#include "ui/requirements/requirements_window.h"
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

// The tab's buttons stand in the order of the table's families and orders.
template <typename T, std::size_t N>
std::size_t indexIn(const std::array<T, N>& values, T value) {
    return static_cast<std::size_t>(
        std::distance(values.begin(), std::find(values.begin(), values.end(), value)));
}

// "Use" on a row of the Requirements window: the tab's buttons clicked and
// its fc typed as the user would, then its "Calc" pressed, so that the tab
// reads them as it reads anything set by hand and nothing else of it changes.
void useOnTab(const CompanionWindows::Tab& tab, FilterFamily family, int order,
              const QString& fcText) {
    tab.families.at(indexIn(kCandidateFamilies, family))->click();
    tab.orders.at(indexIn(kCandidateOrders, order))->click();
    tab.fc->setText(fcText);
    tab.calc->click();
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
    // Not Ctrl+E: on X11 the fields take it to the end of their line.
    requirementsAction_ = windowAction(window, tr("Family and Order from Requirements…"),
                                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R),
                                       [this, tabInFront] { showRequirements(tabInFront()); });
    requirementsAction_->setObjectName("RequirementsWindowAction");
}

CompanionWindows::~CompanionWindows() {
    // A Build window takes its series off the tab's charts as it goes, so it
    // goes before them; a Response or a Requirements window reads the
    // tables, so it goes before them.
    for (Windows& w : windows_) {
        delete w.build;
        w.build = nullptr;
        delete w.response;
        w.response = nullptr;
        delete w.requirements;
        w.requirements = nullptr;
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

RequirementsWindow* CompanionWindows::requirements(TopologyKind topology) const {
    return of(topology).requirements;
}

BuildWindow& CompanionWindows::buildWindow(TopologyKind topology) {
    Windows& w = of(topology);
    if (w.build == nullptr) {
        w.build = new BuildWindow(window_, feed_, topology, w.tab.caption, *w.tab.gainChart,
                                  *w.tab.phaseChart, saving_);
        connect(w.build, &BuildWindow::netlistSaveRequested, this,
                [this, topology] { saveNetlist(topology); });
    }
    return *w.build;
}

BuildWindow& CompanionWindows::showBuild(TopologyKind topology) {
    BuildWindow& build = buildWindow(topology);
    build.show();
    build.raise();
    build.activateWindow();
    return build;
}

void CompanionWindows::addNetlistItem(QMenu& menu, TopologyKind topology) {
    QAction* item = menu.addAction(tr("Save SPICE Netlist…"), this,
                                   [this, topology] { saveNetlist(topology); });
    item->setEnabled(std::holds_alternative<std::string>(buildWindow(topology).netlist()));
}

void CompanionWindows::saveNetlist(TopologyKind topology) {
    const auto netlist = buildWindow(topology).netlist();
    const TabDesign* design = feed_.lastDesign(topology);
    if (const auto* text = std::get_if<std::string>(&netlist); text && design) {
        saving_.handled([&] {
            saving_.saver->saveNetlist(saving_.dialogs(), *text, netlistFileStem(*design));
        });
    }
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

RequirementsWindow& CompanionWindows::showRequirements(TopologyKind topology) {
    Windows& w = of(topology);
    if (w.requirements == nullptr) {
        // The tab's "Calc" runs under the main window's handler, as on a click.
        w.requirements = new RequirementsWindow(
            tables_, feed_, w.tab.caption,
            [&tab = w.tab](FilterFamily family, int order, const QString& fcText) {
                useOnTab(tab, family, order, fcText);
            },
            &window_);
    }
    w.requirements->show();
    w.requirements->raise();
    w.requirements->activateWindow();
    return *w.requirements;
}

void CompanionWindows::addMenuItems(QMenu& menu, TopologyKind topology) {
    menu.addSeparator();
    // The menu's own items, for the tab the menu belongs to, show the same
    // shortcuts as the window's.
    const std::pair<const QAction*, std::function<void()>> items[] = {
        {buildAction_, [this, topology] { showBuild(topology); }},
        {responseAction_, [this, topology] { showResponse(topology); }},
        {requirementsAction_, [this, topology] { showRequirements(topology); }},
    };
    for (const auto& [windowAction, show] : items) {
        QAction* item = menu.addAction(windowAction->text());
        item->setShortcut(windowAction->shortcut());
        item->setShortcutVisibleInContextMenu(true);
        connect(item, &QAction::triggered, this, show);
    }
}

}  // namespace tessaron
