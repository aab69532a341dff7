// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/schematic_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "studies/designators.h"
#include "studies/size_design.h"
#include "studies/stage_drawing.h"
#include "tests/support/design_at_1khz.h"

namespace tessaron {
namespace {

// Chebyshev, "Fix Rx" (10 kOhm) or "Fix L" (10 mH) at 1 kHz: kept values
// carry six digits, the longest texts a drawing shows.
DesignParts chebyshev(TopologyKind topology, int order) {
    CoefficientTables tables;
    tables.Fill();
    return sizeDesign(tables, topology, testing::requestAt1kHz(), 1, Chebyshev, order);
}

std::vector<TopologyKind> allTopologies() {
    std::vector<TopologyKind> kinds;
    for (int k = 0; k < static_cast<int>(Topologies::size); ++k) {
        kinds.push_back(TopologyKind{k});
    }
    return kinds;
}

// Every topology, order 2, 4 and 8, on one row and wrapped, with the default
// metrics, a wider and taller font, and one whose height rather than its
// width sets the pitch (as a 12 px screen font's does), where a part's two
// lines meet.
TEST(SchematicLayout, NoTextOverlapsASymbolOrAnotherText) {
    const TextMetrics fonts[] = {fixedAdvanceMetrics(), fixedAdvanceMetrics(11, 19),
                                 fixedAdvanceMetrics(6, 15)};
    for (TopologyKind topology : allTopologies()) {
        for (int order : {2, 4, 8}) {
            const DesignParts design = chebyshev(topology, order);
            for (const TextMetrics& font : fonts) {
                for (double rowWidth : {0.0, 900.0}) {
                    SCOPED_TRACE(::testing::Message()
                                 << nameOf(topology) << " order " << order << " row " << rowWidth);
                    const Scene scene =
                        schematicScene(topology, exactParts(design), {font, 10, rowWidth});
                    for (std::size_t i = 0; i < scene.labels.size(); ++i) {
                        const Label& label = scene.labels[i];
                        for (const Symbol& symbol : scene.symbols) {
                            EXPECT_FALSE(label.box.overlaps(symbol.box))
                                << label.text << " on a symbol " << symbol.designator;
                        }
                        for (std::size_t j = i + 1; j < scene.labels.size(); ++j) {
                            EXPECT_FALSE(label.box.overlaps(scene.labels[j].box))
                                << label.text << " on " << scene.labels[j].text;
                        }
                    }
                }
            }
        }
    }
}

// Wires run between pins only: a wire that enters a symbol other than along
// its edge, where leads end, draws a short circuit or hides a part. (A
// terminal's wire starts at its centre.)
TEST(SchematicLayout, WiresGoRoundTheSymbols) {
    const auto enters = [](Point a, Point b, const Box& box) {
        const bool horizontal = a.y == b.y;
        const double at = horizontal ? a.y : a.x;
        const double low = horizontal ? std::min(a.x, b.x) : std::min(a.y, b.y);
        const double high = horizontal ? std::max(a.x, b.x) : std::max(a.y, b.y);
        const double e = 1e-6;
        return horizontal ? at > box.top + e && at < box.bottom - e &&
                                std::max(low, box.left) < std::min(high, box.right) - e
                          : at > box.left + e && at < box.right - e &&
                                std::max(low, box.top) < std::min(high, box.bottom) - e;
    };
    for (TopologyKind topology : allTopologies()) {
        EXPECT_EQ(drawStage(topology).forced, 0) << nameOf(topology);
        const Scene scene = schematicScene(topology, exactParts(chebyshev(topology, 8)),
                                           {fixedAdvanceMetrics(), 10, 900});
        for (const Wire& wire : scene.wires) {
            for (std::size_t i = 1; i < wire.points.size(); ++i) {
                for (const Symbol& symbol : scene.symbols) {
                    EXPECT_TRUE(symbol.kind == SymbolKind::Terminal ||
                                !enters(wire.points[i - 1], wire.points[i], symbol.box))
                        << nameOf(topology) << " wire through " << symbol.designator;
                }
            }
        }
    }
}

// The pins of each node are joined to one another and to no other node: the
// wires as drawn, points within 1e-9 of a run counting as on it.
TEST(SchematicLayout, WiresJoinExactlyTheNodesPins) {
    for (TopologyKind topology : allTopologies()) {
        SCOPED_TRACE(nameOf(topology));
        const StageDrawing stage = drawStage(topology);
        const auto specs = partSpecs(topology);
        std::vector<std::pair<Point, int>> pins = {{{0, 0}, kStageInput},
                                                   {{stage.width, 0}, kStageOutput}};
        for (std::size_t i = 0; i < specs.size(); ++i) {
            pins.push_back({stage.symbols[i].pins[0].at, specs[i].from});
            pins.push_back({stage.symbols[i].pins[1].at, specs[i].to});
        }
        if (const auto opAmp = opAmpOf(topology)) {
            const Symbol& symbol = stage.symbols[specs.size()];
            ASSERT_EQ(symbol.kind, SymbolKind::OpAmp);
            pins.push_back({symbol.pins[0].at, opAmp->nonInverting});
            pins.push_back({symbol.pins[1].at, opAmp->inverting});
            pins.push_back({symbol.pins[2].at, opAmp->output});
        }
        // Union-find over the pins and the wires' runs.
        std::vector<std::pair<Point, Point>> runs;
        for (const Wire& wire : stage.wires) {
            for (std::size_t i = 1; i < wire.points.size(); ++i) {
                runs.push_back({wire.points[i - 1], wire.points[i]});
            }
        }
        const auto on = [](Point p, const std::pair<Point, Point>& r) {
            return p.x >= std::min(r.first.x, r.second.x) - 1e-9 &&
                   p.x <= std::max(r.first.x, r.second.x) + 1e-9 &&
                   p.y >= std::min(r.first.y, r.second.y) - 1e-9 &&
                   p.y <= std::max(r.first.y, r.second.y) + 1e-9;
        };
        std::vector<std::size_t> parent(pins.size() + runs.size());
        std::iota(parent.begin(), parent.end(), 0);
        const auto root = [&](std::size_t i) {
            while (parent[i] != i) {
                i = parent[i];
            }
            return i;
        };
        const auto join = [&](std::size_t a, std::size_t b) { parent[root(a)] = root(b); };
        for (std::size_t r = 0; r < runs.size(); ++r) {
            for (std::size_t p = 0; p < pins.size(); ++p) {
                if (pins[p].second != kGround && on(pins[p].first, runs[r])) {
                    join(p, pins.size() + r);
                }
            }
            for (std::size_t s = 0; s < runs.size(); ++s) {
                if (on(runs[s].first, runs[r]) || on(runs[s].second, runs[r])) {
                    join(pins.size() + s, pins.size() + r);
                }
            }
        }
        for (std::size_t a = 0; a < pins.size(); ++a) {
            for (std::size_t b = a + 1; b < pins.size(); ++b) {
                if (pins[a].second != kGround && pins[b].second != kGround) {
                    EXPECT_EQ(root(a) == root(b), pins[a].second == pins[b].second)
                        << "pins " << a << " and " << b;
                }
            }
        }
    }
}

// Rows wrap within the width asked for, and every designator is drawn once.
TEST(SchematicLayout, RowsWrapAndEveryDesignatorIsDrawn) {
    const DesignParts design = chebyshev(kindOf<SallenKey>, 8);
    const Scene wide = schematicScene(design.topology, exactParts(design));
    const Scene wrapped = schematicScene(design.topology, exactParts(design),
                                         {fixedAdvanceMetrics(), 10, wide.bounds.width() / 2});
    EXPECT_LE(wrapped.bounds.width(), wide.bounds.width() / 2);
    EXPECT_GT(wrapped.bounds.height(), 1.9 * wide.bounds.height());
    const CircuitDesignators designators = designateCircuit(design.topology, 4);
    std::vector<std::string> expected;
    for (const auto* list : {&designators.parts, &designators.opAmps}) {
        for (const Designator& d : *list) {
            expected.push_back(d.text);
        }
    }
    std::vector<std::string> drawn, labelled;
    for (const Symbol& symbol : wrapped.symbols) {
        if (!symbol.designator.empty()) {
            drawn.push_back(symbol.designator);
        }
    }
    for (const Label& label : wrapped.labels) {
        if (std::find(expected.begin(), expected.end(), label.text) != expected.end()) {
            labelled.push_back(label.text);
        }
    }
    std::sort(expected.begin(), expected.end());
    std::sort(drawn.begin(), drawn.end());
    std::sort(labelled.begin(), labelled.end());
    EXPECT_EQ(drawn, expected);
    EXPECT_EQ(labelled, expected);
}

// A part without a value keeps the drawing at the pitch of the others.
TEST(SchematicLayout, PartWithoutAValueSaysSoBriefly) {
    DesignParts design = chebyshev(kindOf<Passive>, 4);
    const double pitch = schematicScene(design.topology, exactParts(design)).pitch;
    design.values[1] = 0;
    const Scene scene = schematicScene(design.topology, exactParts(design));
    EXPECT_EQ(scene.pitch, pitch);
    EXPECT_TRUE(std::any_of(scene.labels.begin(), scene.labels.end(),
                            [](const Label& label) { return label.text == "no value"; }));
}

}  // namespace
}  // namespace tessaron
