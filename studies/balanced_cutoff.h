// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <span>

#include "engine/biquad.h"
#include "engine/coefficient_tables.h"
#include "studies/requirements.h"

namespace tessaron {

// How far the gain of a cascade lies below its gain at DC, in dB, at the
// pass-band edge and at the stop-band edge: the loss at fp and the
// attenuation at fs. Through cascadeResponse, so a design's own cascade and a
// family's are measured alike. Empty where the cascade is no low-pass or the
// attenuation leaves the range of double; fp < fs.
struct EdgeLosses {
    double pass;
    double stop;
};

std::optional<EdgeLosses> edgeLosses(std::span<const Biquad> cascade, double passEdge,
                                     double stopEdge);

// The fc at which a design of `family` and `order` splits the spare
// attenuation evenly between the two edges: the margin at fp, Ap - loss(fp),
// equals the margin at fs, attenuation(fs) - As. Where the loss rises with
// frequency (Butterworth, Bessel) that is the largest margin on both edges at
// once. A Chebyshev's gain rises above its DC gain inside the ripple, so an
// fc that puts fp on a ripple peak can leave more on both; the even split is
// kept for every family, so that the rows compare alike. Where the common
// margin is negative no fc meets both edges, at any fc.
// `requirements` must pass checkRequirements.
double balancedCutoff(const CoefficientTables& tables, FilterFamily family, int order,
                      const Requirements& requirements);

}  // namespace tessaron
