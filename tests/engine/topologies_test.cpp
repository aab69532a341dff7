#include "engine/topologies.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace tessaron
