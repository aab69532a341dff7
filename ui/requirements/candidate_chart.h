// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "studies/requirement_chart.h"

class QCustomPlot;

namespace tessaron {

// The small chart of the Requirements window in the house look: the gain on
// a logarithmic frequency axis, a legend in small print.
void setUpCandidateChart(QCustomPlot& chart);

// Every candidate's gain, in its family's colour, dotted for the 2nd order,
// dashed for the 4th and solid for the 8th, over the requirements as grey
// boxes; the view reaches down to twice As, so that the stop band's box is
// not a sliver above the 8th order's depths. An empty chart draws nothing.
void showCandidateChart(QCustomPlot& chart, const RequirementChart& candidates);

}  // namespace tessaron
