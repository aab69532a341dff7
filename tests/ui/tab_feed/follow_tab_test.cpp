// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/tab_feed/follow_tab.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QWidget>

#include "ui/tab_feed/tab_feed.h"

namespace tessaron {
namespace {

struct FollowCase {
    const char* name;
    bool shown;
    int calcsOfItsTab;
    int calcsOfAnother;
    int refreshes;
};

// A companion refreshes once the "Calc" has returned, once for any number of
// "Calc"s of its tab before the event loop turns, and not at all while hidden.
TEST(FollowTab, RefreshesOnceAfterTheCalcsOfItsTabWhileShown) {
    const FollowCase cases[] = {
        {"one Calc", true, 1, 0, 1},
        {"three Calcs share one", true, 3, 0, 1},
        {"another tab's Calc", true, 0, 2, 0},
        {"hidden", false, 2, 0, 0},
    };
    for (const FollowCase& c : cases) {
        SCOPED_TRACE(c.name);
        TabFeed feed;
        QWidget window;
        window.setVisible(c.shown);
        int refreshes = 0;
        followTab(feed, kindOf<SallenKey>, window, [&] { ++refreshes; });
        for (int i = 0; i < c.calcsOfItsTab; ++i) {
            feed.finish(kindOf<SallenKey>, std::nullopt);
        }
        for (int i = 0; i < c.calcsOfAnother; ++i) {
            feed.finish(kindOf<Passive>, std::nullopt);
        }
        EXPECT_EQ(refreshes, 0);
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(refreshes, c.refreshes);
    }
}

}  // namespace
}  // namespace tessaron
