// SPDX-License-Identifier: GPL-3.0-or-later

// The delay and step view of an 8th-order design: each computation alone, then
// the three families side by side as "Compare families" needs them after a
// "Calc". Cascades are the prototype stages at fc = 1000 Hz.
#include <benchmark/benchmark.h>

#include <array>

#include "analysis/frequency_grid.h"
#include "bench/filled_tables.h"
#include "studies/delay_and_step.h"
#include "studies/step_response.h"
#include "tests/cascades.h"

namespace tessaron {
namespace {

constexpr double kFc = 1000;

std::vector<Biquad> eighthOrder(FilterFamily family) {
    return testing::prototypeCascade(filledTables(), family, 8, kFc);
}

const char* familyName(FilterFamily family) {
    return family == Butterworth ? "Butterworth" : family == Bessel ? "Bessel" : "Chebyshev";
}

void BM_GroupDelay(benchmark::State& state) {
    const auto family = static_cast<FilterFamily>(state.range(0));
    const std::vector<Biquad> cascade = eighthOrder(family);
    const auto frequencies = std::get<std::vector<double>>(sweepFrequencies(kFc));
    for (auto _ : state) {
        GroupDelayCurve curve = groupDelayCurve(cascade, frequencies);
        benchmark::DoNotOptimize(curve.points.data());
    }
    state.SetLabel(familyName(family));
}
BENCHMARK(BM_GroupDelay)->DenseRange(Butterworth, Chebyshev)->Unit(benchmark::kMillisecond);

void BM_StepResponse(benchmark::State& state) {
    const auto family = static_cast<FilterFamily>(state.range(0));
    const std::vector<Biquad> cascade = eighthOrder(family);
    for (auto _ : state) {
        const std::vector<PlotPoint> step =
            stepResponse(cascade, settlingSpan(cascade), kSweepPoints);
        StepFigures figures = stepFigures(step, finalValue(cascade));
        benchmark::DoNotOptimize(figures);
    }
    state.SetLabel(familyName(family));
}
BENCHMARK(BM_StepResponse)->DenseRange(Butterworth, Chebyshev)->Unit(benchmark::kMillisecond);

void BM_ThreeFamiliesSideBySide(benchmark::State& state) {
    const std::array cascades{eighthOrder(Butterworth), eighthOrder(Bessel),
                              eighthOrder(Chebyshev)};
    // As in the window, the curves on show stay until the next ones replace them.
    std::vector<DelayAndStepOutcome> shown;
    for (auto _ : state) {
        shown = delayAndStepSideBySide(cascades, kFc);
        benchmark::DoNotOptimize(shown.data());
    }
}
BENCHMARK(BM_ThreeFamiliesSideBySide)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessaron

BENCHMARK_MAIN();
