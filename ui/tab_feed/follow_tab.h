// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

#include "engine/topologies.h"

class QWidget;

namespace tessaron {

class TabFeed;

// A companion window following its tab: after each "Calc" of `topology` that
// ends while `window` is shown, `refresh` runs once on the next turn of the
// event loop, so the tab's own report and charts come first; "Calc"s that end
// before it has run share one refresh. Lasts as long as `window`.
void followTab(const TabFeed& feed, TopologyKind topology, QWidget& window,
               std::function<void()> refresh);

}  // namespace tessaron
