// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/tab_feed/follow_tab.h"

#include <QMetaObject>
#include <QWidget>
#include <memory>

#include "ui/tab_feed/tab_feed.h"

namespace tessaron {

void followTab(const TabFeed& feed, TopologyKind topology, QWidget& window,
               std::function<void()> refresh) {
    auto queued = std::make_shared<bool>(false);
    QObject::connect(
        &feed, &TabFeed::designFinished, &window,
        [&window, topology, queued, refresh = std::move(refresh)](TopologyKind finished) {
            if (finished != topology || !window.isVisible() || *queued) {
                return;
            }
            *queued = true;
            QMetaObject::invokeMethod(
                &window,
                [&window, queued, refresh] {
                    *queued = false;
                    if (window.isVisible()) {
                        refresh();
                    }
                },
                Qt::QueuedConnection);
        });
}

}  // namespace tessaron
