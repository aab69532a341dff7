// SPDX-License-Identifier: GPL-3.0-or-later

// The schematic of an 8th-order design as the Build window shows it, from
// the chosen values: laid out for the view (the fit tries each number of
// stages a row) and painted into an image of the view's size, at 1× and at
// the 2× of a HiDPI screen. The view of a Build window at its first size,
// and at the size of the README's picture.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QTest>
#include <vector>

#include "mathlib/fp_guard.h"
#include "studies/size_design.h"
#include "tests/support/design_at_1khz.h"
#include "ui/resources/resources.h"
#include "ui/schematic/scene_painter.h"
#include "ui/schematic/schematic_view.h"

namespace {

using namespace tessaron;

constexpr QSize kViewSizes[] = {{692, 372}, {1150, 630}};

// Chebyshev, "Fix Rx" 10 kΩ ("Fix L" 10 mH) at 1 kHz, in E24 and E12.
std::vector<ShownPart> order8(TopologyKind topology) {
    CoefficientTables tables;
    tables.Fill();
    const DesignParts design =
        sizeDesign(tables, topology, testing::requestAt1kHz(), 1, Chebyshev, 8);
    const SeriesChoice series{Series::E24, Series::E12};
    return chosenParts(chooseStandardValues(design, series), series);
}

// The layout alone, measured with the view's font.
void BM_SchematicFit(benchmark::State& state) {
    const TopologyKind topology{static_cast<int>(state.range(0))};
    const QSize size = kViewSizes[state.range(1)];
    const std::vector<ShownPart> parts = order8(topology);
    const TextMetrics metrics = textMetrics(drawingFont(QFont()));
    for (auto _ : state) {
        const FittedScene fitted = fitScene(topology, parts, metrics, size.width(), size.height());
        benchmark::DoNotOptimize(fitted.scale);
    }
    state.SetLabel(std::string(nameOf(topology)));
}
BENCHMARK(BM_SchematicFit)
    ->ArgsProduct({{0, 1, 2}, {0, 1}})
    ->ArgNames({"topology", "view"})
    ->Unit(benchmark::kMillisecond);

void BM_SchematicLayoutAndPaint(benchmark::State& state) {
    const TopologyKind topology{static_cast<int>(state.range(0))};
    const QSize size = kViewSizes[state.range(1)];
    const auto ratio = static_cast<double>(state.range(2));
    const std::vector<ShownPart> parts = order8(topology);

    SchematicView view;
    view.resize(size);
    view.show();
    (void)QTest::qWaitForWindowExposed(&view);
    QImage image(view.viewport()->size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    for (auto _ : state) {
        view.showDrawing(topology, parts);
        view.viewport()->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetLabel(std::string(nameOf(topology)) + ", " +
                   std::to_string(view.fitted().scene.labels.size()) + " texts");
}
BENCHMARK(BM_SchematicLayoutAndPaint)
    ->ArgsProduct({{0, 1, 2}, {0, 1}, {1, 2}})
    ->ArgNames({"topology", "view", "ratio"})
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    fp::installTrapSafetyNet();
    QApplication application(argc, argv);
    setUpApplication();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
