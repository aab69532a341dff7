// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/design_parts.h"

namespace tessaron {

int DesignParts::stageCount() const {
    return static_cast<int>(values.size() / partSpecs(topology).size());
}

std::span<const double> DesignParts::stageValues(int stage) const {
    const std::size_t n = partSpecs(topology).size();
    return std::span<const double>(values).subspan(static_cast<std::size_t>(stage) * n, n);
}

std::span<const PartSpec> partSpecs(TopologyKind topology) {
    return withTopology(topology,
                        []<Topology T>() { return std::span<const PartSpec>(T::kParts); });
}

}  // namespace tessaron
