// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

#include "engine/coefficient_tables.h"
#include "engine/topologies.h"
#include "studies/size_design.h"
#include "tests/support/design_at_1khz.h"

namespace tessaron::testing {

struct NamedDesign {
    std::string name;  // "multiple-feedback Chebyshev 8"
    DesignParts parts;
};

// Every topology, family and order the window offers, "Fix Rx" (L on the
// passive tab) at 1 kHz with the everyday given values.
inline std::vector<NamedDesign> everyDesign() {
    CoefficientTables tables;
    tables.Fill();
    std::vector<NamedDesign> designs;
    for (int t = 0; t < static_cast<int>(Topologies::size); ++t) {
        const TopologyKind topology{t};
        for (const auto& [family, familyName] : {std::pair{Butterworth, "Butterworth"},
                                                 {Bessel, "Bessel"},
                                                 {Chebyshev, "Chebyshev"}}) {
            for (int order : {2, 4, 8}) {
                designs.push_back(
                    {std::string(nameOf(topology)) + " " + familyName + " " + std::to_string(order),
                     sizeDesign(tables, topology, requestAt1kHz(), 1, family, order)});
            }
        }
    }
    return designs;
}

}  // namespace tessaron::testing
