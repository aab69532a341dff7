// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/family_comparison.h"

#include <cstddef>
#include <variant>

#include "studies/design_biquads.h"
#include "studies/size_design.h"

namespace tessaron {

std::vector<FamilyDelayAndStep> delayAndStepOfFamilies(const CoefficientTables& tables,
                                                       const SizedDesign& design, bool compare) {
    std::vector<FamilyDelayAndStep> families{{design.family, Unshowable{}}};
    std::vector<std::vector<Biquad>> cascades{designBiquads(design.parts)};
    // Where each cascade's outcome goes among `families`.
    std::vector<std::size_t> places{0};
    if (compare) {
        for (const FilterFamily family : {Butterworth, Bessel, Chebyshev}) {
            if (family == design.family) {
                continue;
            }
            auto sized = sizeDesignOrWhy(tables, design.topology, design.request, design.method,
                                         family, design.order);
            if (auto* why = std::get_if<Unshowable>(&sized)) {
                families.push_back({family, std::move(*why)});
                continue;
            }
            places.push_back(families.size());
            families.push_back({family, Unshowable{}});
            cascades.push_back(designBiquads(std::get<DesignParts>(sized)));
        }
    }
    auto outcomes = delayAndStepSideBySide(cascades, design.request.Fc);
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        families[places[i]].outcome = std::move(outcomes[i]);
    }
    return families;
}

}  // namespace tessaron
