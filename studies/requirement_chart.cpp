// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/requirement_chart.h"

#include <cmath>

#include "mathlib/fp_guard.h"
#include "studies/cascade_response.h"
#include "studies/family_cascade.h"

namespace tessaron {
namespace {

constexpr double kDecade = 10;

std::vector<double> chartFrequencies(const Requirements& r) {
    const double first = r.passEdge / kDecade;
    const double ratio = r.stopEdge * kDecade / first;
    std::vector<double> frequencies(kChartPoints);
    for (int i = 0; i < kChartPoints; ++i) {
        frequencies[static_cast<std::size_t>(i)] =
            first * std::pow(ratio, static_cast<double>(i) / (kChartPoints - 1));
    }
    return frequencies;
}

}  // namespace

RequirementChart requirementChart(const CoefficientTables& tables, const Requirements& r,
                                  std::span<const Candidate> candidates) {
    fp::Guard guard;
    const std::vector<double> frequencies = chartFrequencies(r);
    RequirementChart chart;
    chart.passFloor = {frequencies.front(), r.passEdge, -r.passLossDb};
    chart.stopCeiling = {r.stopEdge, frequencies.back(), -r.stopAttenuationDb};
    for (const Candidate& c : candidates) {
        CandidateCurve curve{c.family, c.order, {}};
        const CascadeResponse response =
            cascadeResponse(familyCascade(tables, c.family, c.order, c.fc), frequencies);
        // The gain at DC is 0 dB for every family's cascade: the curve is the
        // loss, drawn downwards, as the limits are.
        for (std::size_t i = 0; i < response.curves.gainDb.size(); ++i) {
            curve.points.push_back({frequencies[i], response.curves.gainDb[i]});
        }
        chart.curves.push_back(std::move(curve));
    }
    return chart;
}

}  // namespace tessaron
