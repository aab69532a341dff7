// SPDX-License-Identifier: GPL-3.0-or-later

// One complete "Calc" without a window: read nine fields, size and report an
// 8th-order cascade, sweep 10,000 points into series that only store them.
// BM_PlainX87Sweep is the yardstick: the same multiple-feedback sweep written as
// a bare extended-precision loop on the same x87 instructions, without the
// component, events or fault checks.
#include <benchmark/benchmark.h>

#include <cmath>

#include "bench/plain_x87_sweep.h"
#include "engine/design_run.h"
#include "engine/request_reader.h"
#include "mathlib/fp_guard.h"

namespace tessaron {
namespace {

struct NullMessages : MessageSink {
    void doShowMessage(std::string_view) override {}
};

struct CountingReport : ReportSink {
    std::size_t lines = 0;
    void doAppendLine(std::string_view) override { ++lines; }
};

struct StoringSeries : PlotSeries {
    std::vector<PlotPoint> points;
    void doClear() override { points.clear(); }
    void doSetPoints(std::vector<PlotPoint> p) override { points = std::move(p); }
};

struct Program {
    Program() : math(nullptr) {
        math.FinishLoading();
        tables.Fill();
    }
    TMathLib math;
    CoefficientTables tables;
    DesignRequest request;
};

void BM_DesignRun(benchmark::State& state) {
    static Program program;
    const auto topology = static_cast<TopologyKind>(state.range(0));
    FieldTexts fields;
    fields.fc = "1000";
    fields.first[0] = topology == kindOf<Passive> ? "0.1" : "10000";
    fields.second[0] = "1e-8";
    NullMessages messages;
    CountingReport report;
    StoringSeries gain;
    StoringSeries phase;
    const DesignEngine engine{program.math, program.tables, program.request, "."};
    const DesignTab tab{
        topology,
        [&] { readRequest(stageFieldsOf(topology), fields, ".", program.request, messages); },
        report,
        {gain, phase}};
    for (auto _ : state) {
        runDesign(engine, tab, 1, Chebyshev, 8);
        benchmark::DoNotOptimize(gain.points.data());
    }
    state.SetLabel(std::string(nameOf(topology)));
}
BENCHMARK(BM_DesignRun)->DenseRange(0, Topologies::size - 1)->Unit(benchmark::kMillisecond);

void BM_PlainX87Sweep(benchmark::State& state) {
    plainX87Sweep(state);
}
BENCHMARK(BM_PlainX87Sweep)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessaron

BENCHMARK_MAIN();
