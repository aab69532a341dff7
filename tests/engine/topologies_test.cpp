// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/topologies.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string_view>

namespace tessaron {
namespace {

struct KindCase {
    TopologyKind kind;
    std::string_view name;
    const StageFields* stageFields;
};

TEST(Topologies, EachKindReachesItsOwnTopology) {
    const KindCase cases[] = {
        {kindOf<MultipleFeedback>, "multiple-feedback", &MultipleFeedback::kStageFields},
        {kindOf<SallenKey>, "Sallen-Key", &SallenKey::kStageFields},
        {kindOf<Passive>, "passive", &Passive::kStageFields},
    };
    for (const KindCase& c : cases) {
        EXPECT_EQ(nameOf(c.kind), c.name);
        EXPECT_EQ(&stageFieldsOf(c.kind), c.stageFields) << c.name;
    }
}

TEST(Topologies, AKindBeyondTheListIsRefused) {
    EXPECT_THROW(nameOf(static_cast<TopologyKind>(Topologies::size)), std::out_of_range);
}

// A circuit one can draw and simulate: every part joins two different nodes
// that exist, every node but ground is reached, and the op-amp's pins are
// nodes of the stage.
template <Topology T>
void expectConnectedCircuit() {
    const int nodes = kFirstInnerNode + static_cast<int>(T::kInnerNodes.size());
    std::set<int> reached;
    for (const PartSpec& part : T::kParts) {
        EXPECT_NE(part.from, part.to) << T::kName << " " << part.name;
        for (const int node : {part.from, part.to}) {
            EXPECT_TRUE(node >= 0 && node < nodes) << T::kName << " " << part.name;
            reached.insert(node);
        }
    }
    if (T::kOpAmp) {
        for (const int pin : {T::kOpAmp->nonInverting, T::kOpAmp->inverting, T::kOpAmp->output}) {
            EXPECT_TRUE(pin >= 0 && pin < nodes) << T::kName;
            reached.insert(pin);
        }
    }
    reached.insert(kGround);
    EXPECT_EQ(static_cast<int>(reached.size()), nodes) << T::kName;
}

TEST(Topologies, EachStageIsAConnectedCircuit) {
    expectConnectedCircuit<MultipleFeedback>();
    expectConnectedCircuit<SallenKey>();
    expectConnectedCircuit<Passive>();
}

}  // namespace
}  // namespace tessaron
