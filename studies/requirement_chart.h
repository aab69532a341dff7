// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>
#include <vector>

#include "analysis/plot_series.h"
#include "engine/coefficient_tables.h"
#include "studies/candidate_table.h"
#include "studies/requirements.h"

namespace tessaron {

// A level the gain may not cross over a span of frequencies: the pass band's
// floor, which the gain must stay above, or the stop band's ceiling, which it
// must stay below.
struct GainLimit {
    double fromHz;
    double toHz;
    double gainDb;
};

struct CandidateCurve {
    FilterFamily family;
    int order;
    std::vector<PlotPoint> points;  // x: frequency in Hz, y: gain in dB; empty if out of range
};

// What the small chart beside the table draws: every candidate's gain from a
// decade below fp to a decade above fs, kChartPoints frequencies evenly spaced
// on a logarithmic axis, and the requirements as two limits: -Ap from the
// chart's first frequency to fp, -As from fs to its last.
inline constexpr int kChartPoints = 400;

struct RequirementChart {
    std::vector<CandidateCurve> curves;  // one per candidate, in the table's order
    GainLimit passFloor;
    GainLimit stopCeiling;
};

RequirementChart requirementChart(const CoefficientTables& tables, const Requirements& requirements,
                                  std::span<const Candidate> candidates);

}  // namespace tessaron
