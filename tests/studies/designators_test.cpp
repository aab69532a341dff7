// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/designators.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessaron {
namespace {

std::vector<std::string> texts(const std::vector<Designator>& designators) {
    std::vector<std::string> result;
    for (const Designator& d : designators) {
        result.push_back(d.text);
    }
    return result;
}

// Two stages: each kind counts on from the first stage into the second.
TEST(Designators, EachKindCountsUpInCascadeOrder) {
    const struct {
        TopologyKind topology;
        std::vector<std::string> parts;
        std::vector<std::string> opAmps;
    } cases[] = {
        {kindOf<MultipleFeedback>,
         {"R1", "R2", "R3", "C1", "C2", "R4", "R5", "R6", "C3", "C4"},
         {"U1", "U2"}},
        {kindOf<SallenKey>, {"R1", "R2", "C1", "C2", "R3", "R4", "C3", "C4"}, {"U1", "U2"}},
        {kindOf<Passive>, {"R1", "L1", "C1", "R2", "L2", "C2"}, {}},
    };
    for (const auto& c : cases) {
        const CircuitDesignators designators = designateCircuit(c.topology, 2);
        EXPECT_EQ(texts(designators.parts), c.parts) << nameOf(c.topology);
        EXPECT_EQ(texts(designators.opAmps), c.opAmps) << nameOf(c.topology);
    }
}

TEST(Designators, CaptionKeepsTheReportsNameAndStage) {
    const CircuitDesignators mfb = designateCircuit(kindOf<MultipleFeedback>, 2);
    EXPECT_EQ(mfb.parts[5].caption(), "R4 (Unit 1 R1)");
    EXPECT_EQ(mfb.parts[9].caption(), "C4 (Unit 1 C2)");
    EXPECT_EQ(mfb.opAmps[1].caption(), "U2 (Unit 1 op-amp)");
    EXPECT_EQ(designateCircuit(kindOf<Passive>, 2).parts[4].caption(), "L2 (Unit 1 L)");
}

}  // namespace
}  // namespace tessaron
