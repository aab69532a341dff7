// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <numbers>
#include <vector>

#include "engine/biquad.h"
#include "engine/coefficient_tables.h"

namespace tessaron::testing {

// A low-pass stage at w0 rad/s with quality factor q and DC gain `gain`.
inline Biquad lowPass(double w0, double q, double gain = 1) {
    return {gain * w0 * w0, w0 / q, w0 * w0};
}

// The cascade a design of `family` and `order` at `fc` Hz would have with exact
// components: each stage at w0 = 2 pi fc FrequencyFactor with the table's Q and
// unit gain, inverted where `inverting` (the multiple-feedback stage).
inline std::vector<Biquad> prototypeCascade(const CoefficientTables& tables, FilterFamily family,
                                            int order, double fc, bool inverting = false) {
    std::vector<Biquad> cascade;
    for (int i = 0; i < stageCount(order); ++i) {
        const StageCoefficients& c = tables.Lookup(family, order, i);
        cascade.push_back(
            lowPass(2 * std::numbers::pi * fc * static_cast<double>(c.FrequencyFactor),
                    static_cast<double>(c.Q), inverting ? -1 : 1));
    }
    return cascade;
}

}  // namespace tessaron::testing
