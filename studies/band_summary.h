// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <span>

#include "engine/biquad.h"
#include "studies/tolerance_band.h"

namespace tessaron {

// The summary line beside the band. Cutoffs are -3 dB (half power below the
// gain at DC) frequencies in Hz, see halfPowerFrequency. Deviations are the
// largest distances in dB from the exact design's gain over the pass band: the
// grid frequencies below fc.
struct BandSummary {
    std::optional<double> exactCutoff;
    std::optional<double> standardCutoff;
    std::optional<double> lowestTrialCutoff;
    std::optional<double> highestTrialCutoff;
    std::optional<double> standardDeviationDb;  // of the standard-value curve
    std::optional<double> worstDeviationDb;     // of the band's edges
};

BandSummary summarizeBand(std::span<const Biquad> exact, std::span<const Biquad> standard,
                          const ToleranceBand& band, std::span<const double> frequencies,
                          double fc);

// The same with the cascades as factors: the standard values as built
// (modelledCascade) beside the exact design.
BandSummary summarizeBand(const FactoredCascade& exact, const FactoredCascade& standard,
                          const ToleranceBand& band, std::span<const double> frequencies,
                          double fc);

}  // namespace tessaron
