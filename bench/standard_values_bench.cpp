// SPDX-License-Identifier: GPL-3.0-or-later

// The Build window's numbers for an 8th-order design: standard values and
// their response (one per design or choice of series, on the window's
// thread), and the Monte Carlo band (off it, on every core).
#include <benchmark/benchmark.h>

#include <vector>

#include "engine/design_parts.h"
#include "studies/cascade_response.h"
#include "studies/design_biquads.h"
#include "studies/standard_build.h"
#include "studies/tolerance_band.h"

namespace tessaron {
namespace {

constexpr Extended kFc = 1000;

// Chebyshev order 8, multiple-feedback, "Fix Rx" 10 kOhm: the highest-Q
// design the window offers, four stages.
std::vector<MultipleFeedback::Stage> chebyshev8() {
    CoefficientTables tables;
    tables.Fill();
    std::vector<MultipleFeedback::Stage> stages;
    for (int i = 0; i < 4; ++i) {
        stages.push_back(
            MultipleFeedback::size(1, tables.Lookup(Chebyshev, 8, i), kFc * kTwoPi, 10000));
    }
    return stages;
}

// From the sized stages of a finished run to the curve of the standard-value
// circuit: the design in double with its 10,000 frequencies, every part
// rounded, the stage figures and the response.
void BM_StandardValuesAndResponse(benchmark::State& state) {
    const auto stages = chebyshev8();
    for (auto _ : state) {
        const DesignParts design = designParts<MultipleFeedback>(kFc, std::span(stages));
        const StandardBuild build = chooseStandardValues(design, {Series::E24, Series::E12});
        const CascadeResponse response = cascadeResponse(
            cascadeBiquads(design.topology, build.chosenValues), design.frequencies);
        benchmark::DoNotOptimize(response.curves.gainDb.data());
    }
}
BENCHMARK(BM_StandardValuesAndResponse)->Unit(benchmark::kMillisecond);

// 500 trials x 10,000 points x order 8 with 1 and 2 threads.
void BM_ToleranceBand(benchmark::State& state) {
    const auto stages = chebyshev8();
    const DesignParts design = designParts<MultipleFeedback>(kFc, std::span(stages));
    const StandardBuild build = chooseStandardValues(design, {Series::E24, Series::E12});
    const BandCircuit circuit = bandCircuit(design.topology, build, {0.01, 0.05});
    BandOptions options;
    options.threads = static_cast<int>(state.range(0));
    for (auto _ : state) {
        const ToleranceBand band = toleranceBand(circuit, design.frequencies, options);
        benchmark::DoNotOptimize(band.gainLowDb.data());
    }
    state.counters["trials_per_second"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * options.trials, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ToleranceBand)->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessaron

BENCHMARK_MAIN();
