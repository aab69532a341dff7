// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/stage_drawing.h"

#include "studies/designators.h"
#include "studies/schematic_tables.h"
#include "studies/symbol_shapes.h"
#include "studies/wire_router.h"

namespace tessaron {
namespace {

// Designator and value, kept 1.2 steps off a part's centre across it: clear
// of a capacitor's plates, one step either side.
constexpr double kSlotGap = 1.2;
constexpr double kSlotLength = 4;
constexpr double kLineHeight = 0.9;
// How far wires keep from texts.
constexpr double kTextClearance = 0.15;

TextSlot partSlot(const PartPlace& place, std::size_t symbol) {
    const Point c = place.centre;
    const double h = 2 * kLineHeight;
    const double half = kSlotLength / 2;
    switch (place.labels) {
        case LabelSide::Above:
            return {{c.x - half, c.y - kSlotGap - h, c.x + half, c.y - kSlotGap},
                    TextAlign::Middle,
                    2,
                    symbol};
        case LabelSide::Below:
            return {{c.x - half, c.y + kSlotGap, c.x + half, c.y + kSlotGap + h},
                    TextAlign::Middle,
                    2,
                    symbol};
        case LabelSide::Left:
            return {{c.x - kSlotGap - kSlotLength, c.y - h / 2, c.x - kSlotGap, c.y + h / 2},
                    TextAlign::End,
                    2,
                    symbol};
        case LabelSide::Right:
            break;
    }
    return {{c.x + kSlotGap, c.y - h / 2, c.x + kSlotGap + kSlotLength, c.y + h / 2},
            TextAlign::Start,
            2,
            symbol};
}

// Above the op-amp its designator right of the positive supply and the
// supply's name left of it; the negative supply's name left of it below.
void addOpAmp(StageDrawing& d, const OpAmpPlace& place) {
    const Point c = place.centre;
    const double rail = kOpAmpHalfHeight + 0.1;
    const std::size_t opAmp = d.symbols.size();
    d.symbols.push_back(opAmpSymbol(c, place.orientation));
    d.symbols.push_back(supplySymbol({c.x, c.y - kOpAmpHalfHeight}, true));
    d.symbols.push_back(supplySymbol({c.x, c.y + kOpAmpHalfHeight}, false));
    d.slots.push_back(
        {{c.x + 0.8, c.y - rail - kLineHeight, c.x + 3.8, c.y - rail}, TextAlign::Start, 1, opAmp});
    d.slots.push_back({{c.x - 2.8, c.y - rail - kLineHeight, c.x - 0.8, c.y - rail},
                       TextAlign::End,
                       1,
                       opAmp + 1});
    d.slots.push_back({{c.x - 2.8, c.y + rail, c.x - 0.8, c.y + rail + kLineHeight},
                       TextAlign::End,
                       1,
                       opAmp + 2});
}

std::size_t innerNodeCount(TopologyKind topology) {
    return withTopology(topology, []<Topology T>() { return T::kInnerNodes.size(); });
}

SymbolKind symbolKind(PartKind kind) {
    switch (kind) {
        case PartKind::Resistor:
            return SymbolKind::Resistor;
        case PartKind::Capacitor:
            return SymbolKind::Capacitor;
        case PartKind::Inductor:
            return SymbolKind::Inductor;
    }
    return SymbolKind::Resistor;
}

Point pinOf(const Symbol& symbol, std::string_view name) {
    for (const Pin& pin : symbol.pins) {
        if (pin.name == name) {
            return pin.at;
        }
    }
    return symbol.position;
}

}  // namespace

StageDrawing drawStage(TopologyKind topology) {
    const StageLayout& layout = stageLayout(topology);
    const std::span<const PartSpec> specs = partSpecs(topology);
    StageDrawing d;
    d.width = layout.width;
    for (std::size_t i = 0; i < specs.size(); ++i) {
        const SymbolKind kind = symbolKind(specs[i].kind);
        d.symbols.push_back(
            twoTerminalSymbol(kind, layout.parts[i].centre, layout.parts[i].orientation));
        d.slots.push_back(partSlot(layout.parts[i], i));
    }
    // Every node's pins: the stage's ports first, so that a net grows from them.
    std::vector<std::vector<Point>> nodes(kFirstInnerNode + innerNodeCount(topology));
    nodes[kStageInput].push_back({0, 0});
    nodes[kStageOutput].push_back({layout.width, 0});
    for (std::size_t i = 0; i < specs.size(); ++i) {
        nodes[static_cast<std::size_t>(specs[i].from)].push_back(d.symbols[i].pins[0].at);
        nodes[static_cast<std::size_t>(specs[i].to)].push_back(d.symbols[i].pins[1].at);
    }
    if (const auto pins = opAmpOf(topology); pins && layout.opAmp) {
        const std::size_t opAmp = d.symbols.size();
        addOpAmp(d, *layout.opAmp);
        const Symbol& symbol = d.symbols[opAmp];
        nodes[static_cast<std::size_t>(pins->nonInverting)].push_back(pinOf(symbol, "+"));
        nodes[static_cast<std::size_t>(pins->inverting)].push_back(pinOf(symbol, "-"));
        nodes[static_cast<std::size_t>(pins->output)].push_back(pinOf(symbol, "out"));
    }
    for (const Point& pin : nodes[kGround]) {
        d.symbols.push_back(groundSymbol(pin));
    }
    std::vector<Box> obstacles;
    for (const Symbol& symbol : d.symbols) {
        obstacles.push_back(symbol.box);
    }
    for (const TextSlot& slot : d.slots) {
        obstacles.push_back(slot.box.grown(kTextClearance));
    }
    // The inner nodes first: they are short and lie between the parts, the
    // ports' nets then go round them.
    std::vector<Net> nets;
    for (std::size_t node = kFirstInnerNode; node < nodes.size(); ++node) {
        nets.push_back({nodes[node]});
    }
    nets.push_back({nodes[kStageInput]});
    nets.push_back({nodes[kStageOutput]});
    RoutedNets routed = routeNets(nets, obstacles);
    d.wires = std::move(routed.wires);
    d.junctions = std::move(routed.junctions);
    d.forced = routed.forced;
    d.extent = {0, 0, layout.width, 0};
    for (const Box& box : obstacles) {
        d.extent = unite(d.extent, box);
    }
    for (const Wire& wire : d.wires) {
        for (const Point& p : wire.points) {
            d.extent = unite(d.extent, {p.x, p.y, p.x, p.y});
        }
    }
    return d;
}

}  // namespace tessaron
