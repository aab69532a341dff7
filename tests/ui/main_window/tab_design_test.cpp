// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <vector>

#include "tests/ui/support/window_test.h"

namespace tessaron::test {
namespace {

// What a tab's "Calc" is given, and what it then publishes.
struct CalcCase {
    const char* name;
    TopologyKind topology;
    const char* first0;
    const char* second0;
    std::size_t familyIndex;  // 0 Butterworth, 1 Bessel, 2 Chebyshev
    std::size_t orderIndex;   // 0 2nd, 1 4th, 2 8th
    std::size_t methodIndex;
};

const std::vector<CalcCase> kCases{
    {"MF Bessel 4th Fix Rx", kindOf<MultipleFeedback>, "10000", "0", 1, 1, 0},
    {"SK Chebyshev 8th Fix C2", kindOf<SallenKey>, "0", "1e-8", 2, 2, 1},
    {"PS Butterworth 2nd Fix L", kindOf<Passive>, "0.1", "0", 0, 0, 0},
};

class TabDesignTest : public WindowTest {
  protected:
    void calc(const CalcCase& c, const char* fc) {
        const FormTab& t = formTab(c.topology);
        edit(t.fc).setText(fc);
        for (std::size_t stage = 0; stage < kMaxStages; ++stage) {
            edit(t.first[stage]).setText(c.first0);
            edit(t.second[stage]).setText(c.second0);
        }
        radio(t.families[c.familyIndex]).setChecked(true);
        radio(t.orders[c.orderIndex]).setChecked(true);
        radio(t.methods[c.methodIndex]).setChecked(true);
        click(t.calc);
    }
};

TEST_F(TabDesignTest, ACompletedCalcPublishesItsDesignToItsTabOnly) {
    for (const CalcCase& c : kCases) {
        SCOPED_TRACE(c.name);
        SetUp();
        QSignalSpy finished(&window->feed(), &TabFeed::designFinished);
        for (const CalcCase& other : kCases) {
            EXPECT_EQ(window->feed().lastDesign(other.topology), nullptr);
        }

        calc(c, "1000");

        ASSERT_EQ(finished.count(), 1);
        EXPECT_EQ(finished.at(0).at(0).value<TopologyKind>(), c.topology);
        const TabDesign* design = window->feed().lastDesign(c.topology);
        ASSERT_NE(design, nullptr);
        EXPECT_EQ(design->topology, c.topology);
        EXPECT_EQ(static_cast<std::size_t>(design->method), c.methodIndex + 1);
        EXPECT_EQ(static_cast<std::size_t>(design->family), c.familyIndex + 1);
        EXPECT_EQ(design->order, 2 << c.orderIndex);
        EXPECT_EQ(design->request.Fc, 1000);
        EXPECT_TRUE(design->stopReason.isEmpty());
        ASSERT_TRUE(design->parts.has_value());
        EXPECT_EQ(design->parts->topology, c.topology);
        EXPECT_EQ(design->parts->stageCount(), design->order / 2);
        EXPECT_EQ(design->parts->frequencies.size(), 10000u);
        for (const CalcCase& other : kCases) {
            if (other.topology != c.topology) {
                EXPECT_EQ(window->feed().lastDesign(other.topology), nullptr);
            }
        }
    }
}

TEST_F(TabDesignTest, AStoppedCalcPublishesItsReasonAfterTheErrorBox) {
    for (const CalcCase& c : kCases) {
        SCOPED_TRACE(c.name);
        SetUp();
        dialogs.errors.clear();
        calc(c, "1000");
        qsizetype boxesAtSignal = -1;
        QObject::connect(&window->feed(), &TabFeed::designFinished,
                         [&] { boxesAtSignal = dialogs.errors.size(); });

        calc(c, "0");

        ASSERT_EQ(dialogs.errors.size(), 1);
        EXPECT_EQ(boxesAtSignal, 1);
        const TabDesign* design = window->feed().lastDesign(c.topology);
        ASSERT_NE(design, nullptr);
        EXPECT_FALSE(design->parts.has_value());
        EXPECT_EQ(design->stopReason, dialogs.errors.front());
        EXPECT_EQ(design->request.Fc, 0);
    }
}

}  // namespace
}  // namespace tessaron::test
