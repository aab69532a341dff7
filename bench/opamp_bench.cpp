// SPDX-License-Identifier: GPL-3.0-or-later

// The circuit as built with a real op-amp, for an 8th-order design: its
// response over the charts' 10,000 frequencies, the minimum GBW of its four
// stages, and the 500-trial band beside the ideal op-amp's band.
#include <benchmark/benchmark.h>

#include "bench/filled_tables.h"
#include "engine/design_parts.h"
#include "studies/circuit_model.h"
#include "studies/minimum_gbw.h"
#include "studies/size_design.h"
#include "studies/standard_build.h"
#include "studies/tolerance_band.h"
#include "tests/support/design_at_1khz.h"

namespace tessaron {
namespace {

// Chebyshev order 8, multiple-feedback, "Fix Rx" 10 kOhm at 1 kHz: the
// highest-Q design the window offers, four stages.
DesignParts chebyshev8() {
    return sizeDesign(filledTables(), kindOf<MultipleFeedback>, testing::requestAt1kHz(), 1,
                      Chebyshev, 8);
}

CircuitModel realOpAmp() {
    CircuitModel model;
    model.opAmp = {OpAmpKind::Real, 10e6, kDefaultDcGainDb, 0};
    return model;
}

void BM_RealOpAmpResponse(benchmark::State& state) {
    const DesignParts design = chebyshev8();
    const CircuitModel model = realOpAmp();
    for (auto _ : state) {
        const CascadeResponse response =
            modelledResponse(design.topology, design.values, model, design.frequencies);
        benchmark::DoNotOptimize(response.curves.gainDb.data());
    }
}
BENCHMARK(BM_RealOpAmpResponse)->Unit(benchmark::kMillisecond);

void BM_MinimumGbwOfFourStages(benchmark::State& state) {
    const DesignParts design = chebyshev8();
    const OpAmpModel opAmp = realOpAmp().opAmp;
    for (auto _ : state) {
        const auto minima = minimumGbws(design.topology, design.values, opAmp);
        benchmark::DoNotOptimize(minima.data());
    }
}
BENCHMARK(BM_MinimumGbwOfFourStages)->Unit(benchmark::kMillisecond);

// 500 trials x 10,000 points x order 8, ideal (Arg 0) and real op-amp (Arg
// 1), on one thread.
void BM_ToleranceBandByOpAmp(benchmark::State& state) {
    const DesignParts design = chebyshev8();
    const StandardBuild build = chooseStandardValues(design, {Series::E24, Series::E12});
    const CircuitModel model = state.range(0) == 0 ? CircuitModel{} : realOpAmp();
    const BandCircuit circuit = bandCircuit(design.topology, build, {0.01, 0.05}, model);
    BandOptions options;
    options.threads = 1;
    for (auto _ : state) {
        const ToleranceBand band = toleranceBand(circuit, design.frequencies, options);
        benchmark::DoNotOptimize(band.gainLowDb.data());
    }
}
BENCHMARK(BM_ToleranceBandByOpAmp)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessaron

BENCHMARK_MAIN();
