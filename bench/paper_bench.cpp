// SPDX-License-Identifier: GPL-3.0-or-later

// The circuit on paper for an 8th-order design: the schematic scene (before
// the window paints it) and every part's sensitivities, both on the window's
// thread whenever the design or the chosen values change.
#include <benchmark/benchmark.h>

#include <vector>

#include "studies/part_sensitivity.h"
#include "studies/scene_svg.h"
#include "studies/schematic_layout.h"
#include "studies/shown_values.h"
#include "studies/size_design.h"
#include "tests/support/design_at_1khz.h"

namespace tessaron {
namespace {

// Chebyshev order 8, "Fix Rx" 10 kOhm (the passive stage "Fix L" 10 mH) at
// 1 kHz, rounded to E24 resistors and E12 capacitors: four stages.
DesignParts chebyshev8(TopologyKind topology) {
    CoefficientTables tables;
    tables.Fill();
    return sizeDesign(tables, topology, testing::requestAt1kHz(), 1, Chebyshev, 8);
}

constexpr SeriesChoice kSeries{Series::E24, Series::E12};

// From the chosen values to the scene, rows wrapped at 1200 units.
void BM_SchematicScene(benchmark::State& state) {
    const DesignParts design = chebyshev8(TopologyKind{static_cast<int>(state.range(0))});
    const std::vector<ShownPart> parts =
        chosenParts(chooseStandardValues(design, kSeries), kSeries);
    const SchematicOptions options{fixedAdvanceMetrics(), 10, 1200};
    for (auto _ : state) {
        const Scene scene = schematicScene(design.topology, parts, options);
        benchmark::DoNotOptimize(scene.labels.data());
    }
    state.SetLabel(std::string(nameOf(design.topology)));
}
BENCHMARK(BM_SchematicScene)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// The same scene written as SVG.
void BM_SceneSvg(benchmark::State& state) {
    const DesignParts design = chebyshev8(kindOf<MultipleFeedback>);
    const Scene scene =
        schematicScene(design.topology, chosenParts(chooseStandardValues(design, kSeries), kSeries),
                       {fixedAdvanceMetrics(), 10, 1200});
    for (auto _ : state) {
        const std::string svg = sceneSvg(scene);
        benchmark::DoNotOptimize(svg.data());
    }
}
BENCHMARK(BM_SceneSvg)->Unit(benchmark::kMicrosecond);

// Every part's S of fn, Q and the gain at fc, and its band share.
void BM_PartSensitivities(benchmark::State& state) {
    const DesignParts design = chebyshev8(TopologyKind{static_cast<int>(state.range(0))});
    const StandardBuild build = chooseStandardValues(design, kSeries);
    const std::vector<double> tolerances =
        partTolerances(design.topology, build.chosenValues.size(), {0.01, 0.05});
    for (auto _ : state) {
        const Sensitivities s =
            partSensitivities(design.topology, build.chosenValues, tolerances, design.fc);
        benchmark::DoNotOptimize(s.parts.data());
    }
    state.SetLabel(std::string(nameOf(design.topology)));
}
BENCHMARK(BM_PartSensitivities)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tessaron

BENCHMARK_MAIN();
