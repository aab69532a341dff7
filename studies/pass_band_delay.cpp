// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/pass_band_delay.h"

#include <algorithm>
#include <vector>

#include "studies/group_delay.h"

namespace tessaron {

double passBandDelayVariation(std::span<const Biquad> cascade, double passEdge) {
    std::vector<double> frequencies(kPassBandDelayPoints);
    for (int i = 0; i < kPassBandDelayPoints; ++i) {
        frequencies[static_cast<std::size_t>(i)] = passEdge * i / (kPassBandDelayPoints - 1);
    }
    const GroupDelayCurve curve = groupDelayCurve(cascade, frequencies);
    const auto smallest =
        std::min_element(curve.points.begin(), curve.points.end(),
                         [](const PlotPoint& a, const PlotPoint& b) { return a.y < b.y; });
    return (curve.peak - smallest->y) / curve.atDc * 100;
}

}  // namespace tessaron
