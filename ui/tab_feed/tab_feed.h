// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <optional>
#include <string>

#include "engine/topologies.h"
#include "ui/tab_feed/tab_design.h"

namespace tessaron {

// What the companion windows read of the main window's tabs: each tab's last
// "Calc", the locale's decimal separator the reports are written with, and a
// signal at the end of every "Calc". The companions depend on this, never on
// the window itself.
class TabFeed : public QObject {
    Q_OBJECT

  public:
    // The tab's last "Calc", completed or stopped; null before its first.
    const TabDesign* lastDesign(TopologyKind topology) const;
    const std::string& decimalSeparator() const { return decimalSeparator_; }

    // For the window: a "Calc" of the tab starts and is recorded in the
    // returned record; it ends with finish(), after its error box if it stopped.
    TabDesign& start(const TabDesign& design);
    void finish(TopologyKind topology, const std::optional<QString>& stopReason);
    void setDecimalSeparator(std::string separator) { decimalSeparator_ = std::move(separator); }

  Q_SIGNALS:
    // A "Calc" of the tab begins: what a companion still computes for the
    // last design is of no use any more.
    void designStarting(tessaron::TopologyKind topology);
    void designFinished(tessaron::TopologyKind topology);

  private:
    std::array<std::optional<TabDesign>, Topologies::size> designs_;
    std::string decimalSeparator_ = ".";
};

}  // namespace tessaron
