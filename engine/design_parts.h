// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>
#include <vector>

#include "analysis/frequency_grid.h"
#include "engine/part.h"
#include "engine/topologies.h"
#include "mathlib/fp_guard.h"

namespace tessaron {

// A completed design in double, for the studies made beside the exact one
// (standard values, tolerances, delay and step). Nothing in it is extended, so
// it can be copied to and used on any thread.
struct DesignParts {
    TopologyKind topology = kindOf<MultipleFeedback>;
    double fc = 0;
    std::vector<double> frequencies;  // the main charts' 10,000 frequencies
    // Stage 0's part values in the order of partSpecs(topology), then stage 1's...
    std::vector<double> values;

    int stageCount() const;
    std::span<const double> stageValues(int stage) const;
};

// The parts of one stage of the topology, as the report names them.
std::span<const PartSpec> partSpecs(TopologyKind topology);

// The sized stages of a run as DesignParts. Runs on the thread of the exact
// design, in a numeric guard: a value beyond the range of double becomes an
// infinity, which the checks downstream name. Throws what the frequency grid
// of `fc` throws.
template <Topology T>
DesignParts designParts(Extended fc, std::span<const typename T::Stage> stages) {
    fp::Guard guard;
    DesignParts design;
    design.topology = kindOf<T>;
    design.fc = static_cast<double>(fc);
    design.frequencies = plottedFrequencies(fc);
    for (const auto& stage : stages) {
        for (const Extended value : T::partValues(stage)) {
            design.values.push_back(static_cast<double>(value));
        }
    }
    return design;
}

}  // namespace tessaron
