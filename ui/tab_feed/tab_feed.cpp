// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/tab_feed/tab_feed.h"

namespace tessaron {

const TabDesign* TabFeed::lastDesign(TopologyKind topology) const {
    const std::optional<TabDesign>& design = designs_.at(static_cast<std::size_t>(topology));
    return design ? &*design : nullptr;
}

TabDesign& TabFeed::start(const TabDesign& design) {
    Q_EMIT designStarting(design.topology);
    return designs_.at(static_cast<std::size_t>(design.topology)).emplace(design);
}

void TabFeed::finish(TopologyKind topology, const std::optional<QString>& stopReason) {
    std::optional<TabDesign>& design = designs_.at(static_cast<std::size_t>(topology));
    if (design && stopReason) {
        design->stopReason = *stopReason;
    }
    Q_EMIT designFinished(topology);
}

}  // namespace tessaron
