// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/band_summary.h"

#include <algorithm>
#include <cmath>

#include "studies/cascade_response.h"

namespace tessaron {
namespace {

// The largest |edge - reference| over the points below fc, for either edge.
std::optional<double> largestPassbandDistance(std::span<const double> reference,
                                              std::span<const double> low,
                                              std::span<const double> high,
                                              std::span<const double> frequencies, double fc) {
    std::optional<double> largest;
    for (std::size_t p = 0; p < frequencies.size() && frequencies[p] < fc; ++p) {
        const double distance =
            std::max(std::fabs(low[p] - reference[p]), std::fabs(high[p] - reference[p]));
        largest = std::max(largest.value_or(0.0), distance);
    }
    return largest;
}

}  // namespace

BandSummary summarizeBand(std::span<const Biquad> exact, std::span<const Biquad> standard,
                          const ToleranceBand& band, std::span<const double> frequencies,
                          double fc) {
    return summarizeBand(factorBiquads(exact), factorBiquads(standard), band, frequencies, fc);
}

BandSummary summarizeBand(const FactoredCascade& exact, const FactoredCascade& standard,
                          const ToleranceBand& band, std::span<const double> frequencies,
                          double fc) {
    BandSummary summary;
    summary.exactCutoff = halfPowerFrequency(exact, frequencies);
    summary.standardCutoff = halfPowerFrequency(standard, frequencies);
    summary.lowestTrialCutoff = band.lowestCutoff;
    summary.highestTrialCutoff = band.highestCutoff;
    const CascadeResponse exactResponse = cascadeResponse(exact, frequencies);
    if (exactResponse.fault != ResponseFault::None) {
        return summary;
    }
    const std::span<const double> reference = exactResponse.curves.gainDb;
    const CascadeResponse standardResponse = cascadeResponse(standard, frequencies);
    if (standardResponse.fault == ResponseFault::None) {
        const std::span<const double> gain = standardResponse.curves.gainDb;
        summary.standardDeviationDb =
            largestPassbandDistance(reference, gain, gain, frequencies, fc);
    }
    if (band.fault == BandFault::None && band.gainLowDb.size() == frequencies.size()) {
        summary.worstDeviationDb =
            largestPassbandDistance(reference, band.gainLowDb, band.gainHighDb, frequencies, fc);
    }
    return summary;
}

}  // namespace tessaron
