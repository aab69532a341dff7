// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/schematic_layout.h"

#include <algorithm>
#include <stdexcept>

#include "studies/designators.h"
#include "studies/stage_drawing.h"
#include "studies/symbol_shapes.h"

namespace tessaron {
namespace {

// In grid steps: the input terminal at x = 0, the first stage from x = 2; a
// wrapped row is fed down x = 1. Rows are three steps apart, the wire between
// them in the middle.
constexpr double kFirstStage = 2;
constexpr double kFeedColumn = 1;
constexpr double kRowGap = 3;
constexpr double kTerminalLead = 2;
constexpr double kTerminalSlot = 3.8;
constexpr double kTerminalTextGap = 0.5;
constexpr double kTerminalHalfHeight = 0.45;

struct PlacedSlot {
    Box box;  // grid steps, placed
    TextAlign align;
    std::vector<std::string> lines;
};

// Every stage's texts and the grid positions of the stages, before the pitch
// is known.
struct Plan {
    StageDrawing stage;
    std::vector<Point> offsets;
    std::vector<Symbol> symbols;
    std::vector<Wire> wires;
    std::vector<Point> junctions;
    std::vector<PlacedSlot> slots;
};

Wire moved(const Wire& wire, Point offset, double pitch) {
    Wire result;
    for (const Point& point : wire.points) {
        result.points.push_back(placed(point, offset, pitch));
    }
    return result;
}

std::vector<std::string> textsOf(const Symbol& symbol, const std::string& value) {
    switch (symbol.kind) {
        case SymbolKind::OpAmp:
            return {symbol.designator};
        case SymbolKind::Supply:
            return {std::string(symbol.orientation == Orientation::Up ? kPositiveSupply
                                                                      : kNegativeSupply)};
        default:
            return {symbol.designator, value};
    }
}

// The parts list says why a part has no value; on the drawing that sentence
// would set the pitch of every stage, so it only says that there is none.
std::string drawnValue(const ShownPart& part) {
    return part.value.fault == ValueFault::None ? valueText(part) : "no value";
}

// Where the font's height sets the pitch, a part's lines would exactly touch,
// and the rounding of their places can make them overlap by an ulp or two;
// so much more room keeps them apart without a visible gap.
constexpr double kLineRoom = 1 + 1e-9;

double pitchFor(const std::vector<PlacedSlot>& slots, const SchematicOptions& options) {
    double pitch = options.minimumPitch;
    for (const PlacedSlot& slot : slots) {
        const double lineHeight = slot.box.height() / static_cast<double>(slot.lines.size());
        for (const std::string& line : slot.lines) {
            const TextSize size = options.metrics(line);
            pitch = std::max(
                {pitch, size.width / slot.box.width(), size.height / lineHeight * kLineRoom});
        }
    }
    return pitch;
}

std::vector<Label> labelsOf(const PlacedSlot& slot, const SchematicOptions& options, double pitch) {
    const Box box = placed(slot.box, {}, pitch);
    const double band = box.height() / static_cast<double>(slot.lines.size());
    std::vector<Label> labels;
    for (std::size_t i = 0; i < slot.lines.size(); ++i) {
        const TextSize size = options.metrics(slot.lines[i]);
        const double top = box.top + band * static_cast<double>(i) + (band - size.height) / 2;
        const double left = slot.align == TextAlign::Start ? box.left
                            : slot.align == TextAlign::Middle
                                ? (box.left + box.right - size.width) / 2
                                : box.right - size.width;
        const double x = slot.align == TextAlign::Start    ? left
                         : slot.align == TextAlign::Middle ? left + size.width / 2
                                                           : left + size.width;
        labels.push_back({slot.lines[i],
                          {x, top + size.ascent},
                          slot.align,
                          {left, top, left + size.width, top + size.height}});
    }
    return labels;
}

// Stage origins on rows: a stage goes on the current row while the scene's
// bounds over that row, from the input terminal's text to the output
// terminal's and with the scene's margin of a step each side, stay within
// `limit` grid steps.
std::vector<Point> stageOffsets(const StageDrawing& stage, int count, double limit) {
    const double left = -(kTerminalTextGap + kTerminalSlot) - 1;
    const double tail = std::max(stage.extent.right,
                                 stage.width + kTerminalLead + kTerminalTextGap + kTerminalSlot) +
                        1;
    const double rowPitch = stage.extent.height() + kRowGap;
    std::vector<Point> offsets;
    Point at{kFirstStage, 0};
    for (int k = 0; k < count; ++k) {
        if (k > 0 && limit > 0 && at.x + tail - left > limit) {
            at = {kFirstStage, at.y + rowPitch};
        }
        offsets.push_back(at);
        at.x += stage.width;
    }
    return offsets;
}

void addTerminal(Plan& plan, Point pin, Point stagePort, bool input) {
    plan.symbols.push_back(terminalSymbol(pin));
    plan.wires.push_back({{pin, stagePort}});
    const double h = kTerminalHalfHeight;
    plan.slots.push_back(input ? PlacedSlot{{pin.x - kTerminalTextGap - kTerminalSlot, pin.y - h,
                                             pin.x - kTerminalTextGap, pin.y + h},
                                            TextAlign::End,
                                            {"In"}}
                               : PlacedSlot{{pin.x + kTerminalTextGap, pin.y - h,
                                             pin.x + kTerminalTextGap + kTerminalSlot, pin.y + h},
                                            TextAlign::Start,
                                            {"Out"}});
}

Plan planOf(TopologyKind topology, std::span<const ShownPart> parts,
            const SchematicOptions& options) {
    Plan plan{drawStage(topology), {}, {}, {}, {}, {}};
    const std::size_t n = partSpecs(topology).size();
    if (parts.empty() || parts.size() % n != 0) {
        throw std::invalid_argument("A drawing needs whole stages");
    }
    const int count = static_cast<int>(parts.size() / n);
    const CircuitDesignators designators = designateCircuit(topology, count);
    // Each stage at the input's place first: the pitch its texts need tells
    // how many stages fit on a row.
    for (int k = 0; k < count; ++k) {
        const std::size_t first = plan.symbols.size();
        for (std::size_t i = 0; i < plan.stage.symbols.size(); ++i) {
            Symbol symbol = plan.stage.symbols[i];
            if (i < n) {
                symbol.designator = designators.parts[static_cast<std::size_t>(k) * n + i].text;
            } else if (symbol.kind == SymbolKind::OpAmp) {
                symbol.designator = designators.opAmps[static_cast<std::size_t>(k)].text;
            }
            plan.symbols.push_back(std::move(symbol));
        }
        for (const TextSlot& slot : plan.stage.slots) {
            const std::string value =
                slot.symbol < n ? drawnValue(parts[static_cast<std::size_t>(k) * n + slot.symbol])
                                : std::string();
            plan.slots.push_back(
                {slot.box, slot.align, textsOf(plan.symbols[first + slot.symbol], value)});
        }
    }
    const double limit = options.maxRowWidth / pitchFor(plan.slots, options);
    plan.offsets = stageOffsets(plan.stage, count, limit);
    const std::size_t symbolsPerStage = plan.stage.symbols.size();
    const std::size_t slotsPerStage = plan.stage.slots.size();
    for (std::size_t k = 0; k < plan.offsets.size(); ++k) {
        const Point o = plan.offsets[k];
        for (std::size_t i = 0; i < symbolsPerStage; ++i) {
            Symbol& symbol = plan.symbols[k * symbolsPerStage + i];
            symbol = placed(std::move(symbol), o, 1);
        }
        for (std::size_t i = 0; i < slotsPerStage; ++i) {
            PlacedSlot& slot = plan.slots[k * slotsPerStage + i];
            slot.box = slot.box.moved(o);
        }
        for (const Wire& wire : plan.stage.wires) {
            plan.wires.push_back(moved(wire, o, 1));
        }
        for (const Point& junction : plan.stage.junctions) {
            plan.junctions.push_back(placed(junction, o, 1));
        }
        if (k > 0 && o.y != plan.offsets[k - 1].y) {
            const Point out{plan.offsets[k - 1].x + plan.stage.width, plan.offsets[k - 1].y};
            const double gap = out.y + plan.stage.extent.bottom + kRowGap / 2;
            plan.wires.push_back({{out,
                                   {out.x + kFeedColumn, out.y},
                                   {out.x + kFeedColumn, gap},
                                   {kFeedColumn, gap},
                                   {kFeedColumn, o.y},
                                   o}});
        }
    }
    const Point last = plan.offsets.back();
    addTerminal(plan, {0, 0}, {kFirstStage, 0}, true);
    addTerminal(plan, {last.x + plan.stage.width + kTerminalLead, last.y},
                {last.x + plan.stage.width, last.y}, false);
    return plan;
}

}  // namespace

Scene schematicScene(TopologyKind topology, std::span<const ShownPart> parts,
                     const SchematicOptions& options) {
    const Plan plan = planOf(topology, parts, options);
    Scene scene;
    scene.pitch = pitchFor(plan.slots, options);
    const double p = scene.pitch;
    Box bounds = placed(plan.symbols.front().box, {}, p);
    for (const Symbol& symbol : plan.symbols) {
        scene.symbols.push_back(placed(symbol, {}, p));
        bounds = unite(bounds, scene.symbols.back().box);
    }
    for (const Wire& wire : plan.wires) {
        scene.wires.push_back(moved(wire, {}, p));
        for (const Point& point : scene.wires.back().points) {
            bounds = unite(bounds, {point.x, point.y, point.x, point.y});
        }
    }
    for (const Point& junction : plan.junctions) {
        scene.junctions.push_back(placed(junction, {}, p));
    }
    for (const PlacedSlot& slot : plan.slots) {
        for (Label& label : labelsOf(slot, options, p)) {
            bounds = unite(bounds, label.box);
            scene.labels.push_back(std::move(label));
        }
    }
    scene.bounds = bounds.grown(p);
    return scene;
}

}  // namespace tessaron
