// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Order-8 drawings of each topology, the largest the window shows.
#include <gtest/gtest.h>

#include <vector>

#include "studies/size_design.h"
#include "tests/support/design_at_1khz.h"
#include "ui/schematic/schematic_view.h"

namespace tessaron::test {

inline const std::vector<TopologyKind> kTopologies{kindOf<MultipleFeedback>, kindOf<SallenKey>,
                                                   kindOf<Passive>};

// Chebyshev, the given values at 1 kHz, kept exactly: six-digit values, the
// longest texts a drawing holds.
inline std::vector<ShownPart> order8(TopologyKind topology) {
    CoefficientTables tables;
    tables.Fill();
    return exactParts(sizeDesign(tables, topology, testing::requestAt1kHz(), 1, Chebyshev, 8));
}

}  // namespace tessaron::test
