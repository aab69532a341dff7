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
    cascade.evaluate(0, s, h);
};

// Sweeps the cascade over the grid of `fc` into the two series: gain
// 20 log10 |H| in dB, phase arg H in degrees (principal value, not unwrapped).
// Both series are cleared first; if a fault stops the sweep, each keeps the
// points computed before it.
template <Cascade C>
void sweepCascade(TMathLib& math, Extended fc, C& cascade, PlotSeries& gain, PlotSeries& phase) {
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
        const int stageCount = cascade.stageCount();
        const FrequencyGrid grid = FrequencyGrid::forCutoff(fc);
        for (int k = 0; k < kSweepPoints; ++k) {
            const Extended f = grid.at(k);
            const Complex s{0, f * kTwoPi};
            Complex h{0, 0};
            Complex stage{0, 0};
            for (int i = 0; i < stageCount; ++i) {
                if (i == 0) {
                    cascade.evaluate(0, s, h);
                } else {
                    cascade.evaluate(i, s, stage);
                    math.FxCmul(h, stage, h);
                }
            }
            const Extended gainDb = math.FxLog(math.FxCabs(h)) * 20;
            const Extended phaseDeg = (math.FxCarg(h) * 180) / kPi;
            // One test per point: the plotted doubles are the end of its formulas.
            const double x = static_cast<double>(f);
            const double gy = static_cast<double>(gainDb);
            const double py = fp::checked(static_cast<double>(phaseDeg));
            fp::checked(x);
            fp::checked(gy);
            gainPoints.push_back({x, gy});
            phasePoints.push_back({x, py});
        }
    } catch (...) {
        handOver();
        throw;
    }
    handOver();
}

}  // namespace tessaron
