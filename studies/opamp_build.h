// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <vector>

#include "engine/design_parts.h"
#include "studies/biquad_figures.h"
#include "studies/minimum_gbw.h"
#include "studies/opamp_model.h"
#include "studies/standard_build.h"

namespace tessaron {

// A stage of the build with the real op-amp: its fn and Q (stageFigures)
// from the exact values and from the chosen ones, the deviation of the
// chosen from the exact, and the minimum GBW of each.
struct OpAmpStageRow {
    int stage;
    std::optional<BiquadFigures> exact;
    std::optional<BiquadFigures> standard;  // empty where a part could not be chosen
    std::optional<double> frequencyDeviationPercent;
    std::optional<double> qualityDeviationPercent;
    std::optional<MinimumGbw> exactMinimum;
    std::optional<MinimumGbw> standardMinimum;
};

// One row per stage of an active design; none for a passive one or an
// unusable model.
std::vector<OpAmpStageRow> opAmpStageRows(const DesignParts& design, const StandardBuild& build,
                                          const OpAmpModel& opAmp);

}  // namespace tessaron
