// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/schematic_tables.h"

#include <array>

namespace tessaron {
namespace {

using O = Orientation;
using L = LabelSide;

template <Topology T>
struct LayoutOf;

// R1 and R2 along the row into the inverting input, C1 down from node A to
// ground, C2 and R3 feeding back over the op-amp, R3 on the outer loop so the
// two loops do not cross.
template <>
struct LayoutOf<MultipleFeedback> {
    static constexpr std::array<PartPlace, 5> kParts = {{
        {{3, 0}, O::Right, L::Above},    // R1
        {{10, 0}, O::Right, L::Below},   // R2
        {{12, -9}, O::Right, L::Above},  // R3
        {{6, 3}, O::Down, L::Left},      // C1
        {{17, -5}, O::Right, L::Above},  // C2
    }};
    static constexpr std::optional<OpAmpPlace> kOpAmp = OpAmpPlace{{20, 0}, O::Down};
    static constexpr double kWidth = 26;
};

// The follower's non-inverting input on the row, C1 up from the junction to
// the feedback line over the op-amp, C2 down to ground.
template <>
struct LayoutOf<SallenKey> {
    static constexpr std::array<PartPlace, 4> kParts = {{
        {{3, 0}, O::Right, L::Above},   // R1
        {{10, 0}, O::Right, L::Above},  // R2
        {{6, -4}, O::Up, L::Left},      // C1
        {{13, 3}, O::Down, L::Left},    // C2
    }};
    static constexpr std::optional<OpAmpPlace> kOpAmp = OpAmpPlace{{19, -1}, O::Down};
    static constexpr double kWidth = 26;
};

// R and L in series along the row, C down to ground at the output.
template <>
struct LayoutOf<Passive> {
    static constexpr std::array<PartPlace, 3> kParts = {{
        {{3, 0}, O::Right, L::Above},  // R
        {{8, 0}, O::Right, L::Above},  // L
        {{12, 3}, O::Down, L::Left},   // C
    }};
    static constexpr std::optional<OpAmpPlace> kOpAmp = std::nullopt;
    static constexpr double kWidth = 15;
};

template <Topology T>
constexpr StageLayout kStageLayout = [] {
    static_assert(LayoutOf<T>::kParts.size() == T::kParts.size(), "one place per part");
    static_assert(LayoutOf<T>::kOpAmp.has_value() == T::kOpAmp.has_value(),
                  "a place for the op-amp exactly where there is one");
    return StageLayout{LayoutOf<T>::kParts, LayoutOf<T>::kOpAmp, LayoutOf<T>::kWidth};
}();

}  // namespace

const StageLayout& stageLayout(TopologyKind topology) {
    return *withTopology(topology, []<Topology T>() { return &kStageLayout<T>; });
}

}  // namespace tessaron
