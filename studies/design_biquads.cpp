// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/design_biquads.h"

#include <stdexcept>

#include "mathlib/fp_guard.h"

namespace tessaron {
namespace {

template <Topology T>
Biquad biquadOf(std::span<const double> stageValues) {
    constexpr std::size_t n = T::kParts.size();
    if (stageValues.size() != n) {
        throw std::invalid_argument("A stage needs one value per part");
    }
    return T::biquad(stageValues.first<n>());
}

}  // namespace

Biquad stageBiquad(TopologyKind topology, std::span<const double> stageValues) {
    // A zero value divides by zero: the flag it leaves must not surface in a
    // later check of the exact path.
    fp::Guard guard;
    return withTopology(topology, [&]<Topology T>() { return biquadOf<T>(stageValues); });
}

std::vector<Biquad> cascadeBiquads(TopologyKind topology, std::span<const double> values) {
    const std::size_t n = partSpecs(topology).size();
    if (values.size() % n != 0) {
        throw std::invalid_argument("Part values do not make whole stages");
    }
    std::vector<Biquad> cascade;
    cascade.reserve(values.size() / n);
    for (std::size_t first = 0; first < values.size(); first += n) {
        cascade.push_back(stageBiquad(topology, values.subspan(first, n)));
    }
    return cascade;
}

}  // namespace tessaron
