// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <concepts>
#include <vector>

#include "analysis/frequency_grid.h"
#include "analysis/plot_series.h"
#include "mathlib/fp_guard.h"
#include "mathlib/math_lib.h"

namespace tessaron {

// A cascade the sweep can evaluate: prepare() computes whatever the stage
// responses need (after the series are cleared, so a fault there leaves them
// empty), stageCount() stages, evaluate(i, s, h) writes stage i's H at s = j omega.
template <class T>
concept Cascade = requires(T cascade, const Complex& s, Complex& h) {
    cascade.prepare();
    { cascade.stageCount() } -> std::convertible_to<int>;
    cascade.template evaluate<Caller::Any>(0, s, h);
    cascade.template evaluate<Caller::QuietLoop>(0, s, h);
};

namespace detail {

template <Caller E, Cascade C>
void sweepPoints(TMathLib& math, const FrequencyGrid& grid, C& cascade,
                 std::vector<PlotPoint>& gainPoints, std::vector<PlotPoint>& phasePoints) {
    const int stageCount = cascade.stageCount();
    for (int k = 0; k < kSweepPoints; ++k) {
        const Extended f = grid.at(k);
        const Complex s{0, f * kTwoPi};
        Complex h{0, 0};
        Complex stage{0, 0};
        for (int i = 0; i < stageCount; ++i) {
            if (i == 0) {
                cascade.template evaluate<E>(0, s, h);
            } else {
                cascade.template evaluate<E>(i, s, stage);
                math.FxCmul<E>(h, stage, h);
            }
        }
        const Extended gainDb = math.FxLog<E>(math.FxCabs<E>(h)) * 20;
        const Extended phaseDeg = (math.FxCarg<E>(h) * 180) / kPi;
        // One test per point: the plotted doubles are the end of its formulas,
        // and all of it ran on the x87.
        const PlotPoint gainPoint{static_cast<double>(f), static_cast<double>(gainDb)};
        const PlotPoint phasePoint{gainPoint.x, static_cast<double>(phaseDeg)};
        fp::settle(gainPoint);
        fp::settle(phasePoint);
        fp::throwPendingX87Fault();
        gainPoints.push_back(gainPoint);
        phasePoints.push_back(phasePoint);
    }
}

}  // namespace detail

// Sweeps the cascade over the grid of `fc` into the response's series: gain
// 20 log10 |H| in dB, phase arg H in degrees (principal value, not unwrapped).
// Both series are cleared first; if a fault stops the sweep, each keeps the
// points computed before it.
template <Cascade C>
void sweepCascade(TMathLib& math, Extended fc, C& cascade, const ResponseSeries& response) {
    PlotSeries& gain = response.gain;
    PlotSeries& phase = response.phase;
    gain.clear();
    phase.clear();
    std::vector<PlotPoint> gainPoints;
    std::vector<PlotPoint> phasePoints;
    gainPoints.reserve(kSweepPoints);
    phasePoints.reserve(kSweepPoints);
    const auto handOver = [&] {
        gain.setPoints(std::move(gainPoints));
        phase.setPoints(std::move(phasePoints));
    };
    try {
        fp::Guard guard;
        cascade.prepare();
        const FrequencyGrid grid = FrequencyGrid::forCutoff(fc);
        if (math.HasEventHandlers()) {
            detail::sweepPoints<Caller::Any>(math, grid, cascade, gainPoints, phasePoints);
        } else {
            detail::sweepPoints<Caller::QuietLoop>(math, grid, cascade, gainPoints, phasePoints);
        }
    } catch (...) {
        handOver();
        throw;
    }
    handOver();
}

}  // namespace tessaron
