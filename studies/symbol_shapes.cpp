// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/symbol_shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tessaron {
namespace {

// The body of a part spans 1.4 steps either side of its centre, its leads the
// rest of the way to the pins; across, a resistor or an inductor is 0.5 steps
// either side, a capacitor's plates 1.
constexpr double kBodyHalfLength = 1.4;
constexpr double kPlateGap = 0.25;
constexpr int kZigzagPeaks = 6;
constexpr int kInductorTurns = 4;
constexpr int kSegmentsPerTurn = 8;

// A frame along the part from its first pin to its second: s along, t across.
struct Frame {
    Point centre;
    Point along;
    Point across;

    Point at(double s, double t) const {
        return {centre.x + s * along.x + t * across.x, centre.y + s * along.y + t * across.y};
    }
};

Frame frameOf(Point centre, Orientation orientation) {
    switch (orientation) {
        case Orientation::Right:
            return {centre, {1, 0}, {0, -1}};
        case Orientation::Left:
            return {centre, {-1, 0}, {0, -1}};
        case Orientation::Down:
            return {centre, {0, 1}, {1, 0}};
        case Orientation::Up:
            return {centre, {0, -1}, {1, 0}};
    }
    return {centre, {1, 0}, {0, -1}};
}

Box boxOf(const std::vector<std::vector<Point>>& strokes) {
    Box box{INFINITY, INFINITY, -INFINITY, -INFINITY};
    for (const auto& stroke : strokes) {
        for (const Point& p : stroke) {
            box = unite(box, {p.x, p.y, p.x, p.y});
        }
    }
    return box;
}

std::vector<Point> bodyOf(SymbolKind kind, const Frame& f) {
    std::vector<Point> body;
    if (kind == SymbolKind::Resistor) {
        body.push_back(f.at(-kBodyHalfLength, 0));
        const double step = 2 * kBodyHalfLength / kZigzagPeaks;
        for (int i = 0; i < kZigzagPeaks; ++i) {
            body.push_back(f.at(-kBodyHalfLength + (i + 0.5) * step, i % 2 == 0 ? 0.5 : -0.5));
        }
        body.push_back(f.at(kBodyHalfLength, 0));
    } else {
        // Half-turns bulging to one side, as drawn on paper.
        const double turn = 2 * kBodyHalfLength / kInductorTurns;
        for (int i = 0; i < kInductorTurns; ++i) {
            for (int k = i == 0 ? 0 : 1; k <= kSegmentsPerTurn; ++k) {
                const double a = std::numbers::pi * k / kSegmentsPerTurn;
                body.push_back(f.at(-kBodyHalfLength + turn * (i + 0.5 - std::cos(a) / 2),
                                    turn / 2 * std::sin(a)));
            }
        }
    }
    return body;
}

}  // namespace

Symbol twoTerminalSymbol(SymbolKind kind, Point centre, Orientation orientation) {
    const Frame f = frameOf(centre, orientation);
    Symbol symbol{
        kind, centre, orientation, {{"1", f.at(-kPinOffset, 0)}, {"2", f.at(kPinOffset, 0)}},
        {},   {},     {}};
    if (kind == SymbolKind::Capacitor) {
        symbol.strokes = {{f.at(-kPinOffset, 0), f.at(-kPlateGap, 0)},
                          {f.at(-kPlateGap, -1), f.at(-kPlateGap, 1)},
                          {f.at(kPlateGap, -1), f.at(kPlateGap, 1)},
                          {f.at(kPlateGap, 0), f.at(kPinOffset, 0)}};
    } else {
        symbol.strokes = {{f.at(-kPinOffset, 0), f.at(-kBodyHalfLength, 0)},
                          bodyOf(kind, f),
                          {f.at(kBodyHalfLength, 0), f.at(kPinOffset, 0)}};
    }
    // Across, the box is as wide for a resistor as for an inductor, whose
    // turns bulge to one side only.
    symbol.box = unite(boxOf(symbol.strokes), boxOf({{f.at(0, -0.5), f.at(0, 0.5)}}));
    return symbol;
}

Symbol opAmpSymbol(Point c, Orientation orientation) {
    const double h = kOpAmpHalfHeight;
    const double in = kOpAmpInputOffset;
    const double invertingY = orientation == Orientation::Up ? c.y + 1 : c.y - 1;
    const double nonInvertingY = 2 * c.y - invertingY;
    const double mark = 0.3;
    const Point m{c.x - 1.3, invertingY};
    const Point p{c.x - 1.3, nonInvertingY};
    Symbol symbol{SymbolKind::OpAmp,
                  c,
                  orientation,
                  {{"+", {c.x - in, nonInvertingY}},
                   {"-", {c.x - in, invertingY}},
                   {"out", {c.x + in, c.y}},
                   {"V+", {c.x, c.y - h}},
                   {"V-", {c.x, c.y + h}}},
                  {},
                  {{{c.x - h, c.y - h}, {c.x + h, c.y}, {c.x - h, c.y + h}, {c.x - h, c.y - h}},
                   {{c.x - in, invertingY}, {c.x - h, invertingY}},
                   {{c.x - in, nonInvertingY}, {c.x - h, nonInvertingY}},
                   {{c.x + h, c.y}, {c.x + in, c.y}},
                   {{c.x, c.y - h / 2}, {c.x, c.y - h}},
                   {{c.x, c.y + h / 2}, {c.x, c.y + h}},
                   {{m.x - mark, m.y}, {m.x + mark, m.y}},
                   {{p.x - mark, p.y}, {p.x + mark, p.y}},
                   {{p.x, p.y - mark}, {p.x, p.y + mark}}},
                  {}};
    symbol.box = boxOf(symbol.strokes);
    return symbol;
}

Symbol groundSymbol(Point pin) {
    Symbol symbol{SymbolKind::Ground,
                  pin,
                  Orientation::Down,
                  {{"1", pin}},
                  {},
                  {{pin, {pin.x, pin.y + 0.4}},
                   {{pin.x - 0.7, pin.y + 0.4}, {pin.x + 0.7, pin.y + 0.4}},
                   {{pin.x - 0.45, pin.y + 0.65}, {pin.x + 0.45, pin.y + 0.65}},
                   {{pin.x - 0.2, pin.y + 0.9}, {pin.x + 0.2, pin.y + 0.9}}},
                  {}};
    symbol.box = boxOf(symbol.strokes);
    return symbol;
}

Symbol supplySymbol(Point pin, bool positive) {
    const double rail = positive ? pin.y - 0.6 : pin.y + 0.6;
    Symbol symbol{SymbolKind::Supply,
                  pin,
                  positive ? Orientation::Up : Orientation::Down,
                  {{positive ? "V+" : "V-", pin}},
                  {},
                  {{pin, {pin.x, rail}}, {{pin.x - 0.6, rail}, {pin.x + 0.6, rail}}},
                  {}};
    symbol.box = boxOf(symbol.strokes);
    return symbol;
}

Symbol terminalSymbol(Point pin) {
    constexpr int kSides = 12;
    constexpr double r = 0.25;
    std::vector<Point> circle;
    for (int i = 0; i <= kSides; ++i) {
        const double a = 2 * std::numbers::pi * i / kSides;
        circle.push_back({pin.x + r * std::cos(a), pin.y + r * std::sin(a)});
    }
    Symbol symbol{SymbolKind::Terminal, pin, Orientation::Right, {{"1", pin}}, {}, {circle}, {}};
    symbol.box = boxOf(symbol.strokes);
    return symbol;
}

Point placed(Point point, Point offset, double pitch) {
    return {(point.x + offset.x) * pitch, (point.y + offset.y) * pitch};
}

Box placed(const Box& box, Point offset, double pitch) {
    const Point a = placed(Point{box.left, box.top}, offset, pitch);
    const Point b = placed(Point{box.right, box.bottom}, offset, pitch);
    return {a.x, a.y, b.x, b.y};
}

Symbol placed(Symbol symbol, Point offset, double pitch) {
    symbol.position = placed(symbol.position, offset, pitch);
    for (Pin& pin : symbol.pins) {
        pin.at = placed(pin.at, offset, pitch);
    }
    symbol.box = placed(symbol.box, offset, pitch);
    for (auto& stroke : symbol.strokes) {
        for (Point& p : stroke) {
            p = placed(p, offset, pitch);
        }
    }
    return symbol;
}

}  // namespace tessaron
