// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/balanced_cutoff.h"

#include <array>
#include <cmath>
#include <vector>

#include "mathlib/fp_guard.h"
#include "studies/cascade_response.h"
#include "studies/family_cascade.h"

namespace tessaron {
namespace {

// The bracket of the search, relative to the edges. At fs * 1000 both edges lie
// so deep in the pass band that no candidate loses 0.00001 dB there, less than
// Ap + As (at least 0.002 dB): the margin at fp is the larger. At fp / 1e60 a
// 2nd-order stage, the gentlest, already loses 2400 dB at fp, more than Ap + As
// (at most 2000 dB): the margin at fs is the larger.
constexpr double kAboveStopEdge = 1e3;
constexpr double kBelowPassEdge = 1e-60;

}  // namespace

std::optional<EdgeLosses> edgeLosses(std::span<const Biquad> cascade, double passEdge,
                                     double stopEdge) {
    const std::array<double, 3> frequencies{0, passEdge, stopEdge};
    const CascadeResponse response = cascadeResponse(cascade, frequencies);
    if (response.fault != ResponseFault::None) {
        return std::nullopt;
    }
    const std::vector<double>& gain = response.curves.gainDb;
    return EdgeLosses{gain[0] - gain[1], gain[0] - gain[2]};
}

// A loss at a given frequency depends only on that frequency over fc, so the
// search evaluates the family's cascade at fc = 1 Hz at fp / fc and fs / fc.
// The margin at fp minus the margin at fs, Ap + As - loss(fp / fc) -
// loss(fs / fc), rises with fc: the loss of Butterworth and Bessel rises with
// frequency, and so does Chebyshev's beyond its ripple band; while fp lies in
// the ripple band the loss there rises and falls by 0.5 dB (1 dB at 2nd order)
// as fc moves, but the loss at fs changes faster wherever the two margins can
// meet (checked at 1000 values of fc a decade, from 1 nHz to 1000 fs with
// fp = 1 Hz, for 400 requirements drawn at random over the tables' rows with
// Ap from 0.001 dB to 10 dB, As up to 320 dB, fs / fp from 1.001 to 100: one
// crossing each). So bisection, on fc's logarithm (the geometric mean of the bracket),
// finds the one fc where the margins meet, down to neighbouring doubles.
double balancedCutoff(const CoefficientTables& tables, FilterFamily family, int order,
                      const Requirements& r) {
    fp::Guard guard;
    const std::vector<Biquad> unit = familyCascade(tables, family, order, 1);
    // True where fc is at or above the balance. An attenuation beyond the range
    // of double means an fc far below it.
    const auto atOrAbove = [&](double fc) {
        const auto losses = edgeLosses(unit, r.passEdge / fc, r.stopEdge / fc);
        return losses && r.passLossDb - losses->pass >= losses->stop - r.stopAttenuationDb;
    };
    double below = r.passEdge * kBelowPassEdge;
    double above = r.stopEdge * kAboveStopEdge;
    for (;;) {
        const double middle = std::sqrt(below) * std::sqrt(above);
        if (!(middle > below && middle < above)) {
            break;
        }
        (atOrAbove(middle) ? above : below) = middle;
    }
    // Far below the balance the response overflows, which cascadeResponse
    // reports by its value. Inside a caller's Guard the flag would outlive
    // this search and be taken by the next check (the sweep grid of the step
    // response) for a fault of its own.
    fp::discardFaults();
    return above;
}

}  // namespace tessaron
