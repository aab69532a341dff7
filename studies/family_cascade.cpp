// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/family_cascade.h"

#include <numbers>

namespace tessaron {

std::vector<Biquad> familyCascade(const CoefficientTables& tables, FilterFamily family, int order,
                                  double fc) {
    std::vector<Biquad> cascade;
    for (int i = 0; i < stageCount(order); ++i) {
        const StageCoefficients& prototype = tables.Lookup(family, order, i);
        const double w0 =
            2 * std::numbers::pi * fc * static_cast<double>(prototype.FrequencyFactor);
        const double b0 = w0 * w0;
        cascade.push_back({b0, w0 / static_cast<double>(prototype.Q), b0});
    }
    return cascade;
}

}  // namespace tessaron
