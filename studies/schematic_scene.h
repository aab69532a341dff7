// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaron {

// What the window paints of the circuit and saves as SVG, PDF or PNG, in
// scene units (y grows downwards, as on screen and paper): every symbol as
// strokes, every wire as a polyline, every text with its box.
struct Point {
    double x = 0;
    double y = 0;
};

struct Box {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;

    double width() const { return right - left; }
    double height() const { return bottom - top; }
    // Sharing area, not merely an edge or a corner.
    bool overlaps(const Box& other) const {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
    Box grown(double margin) const {
        return {left - margin, top - margin, right + margin, bottom + margin};
    }
    Box moved(Point by) const { return {left + by.x, top + by.y, right + by.x, bottom + by.y}; }
};

// The smallest box holding both.
Box unite(const Box& a, const Box& b);

enum class SymbolKind { Resistor, Capacitor, Inductor, OpAmp, Ground, Supply, Terminal };

// Which way a two-terminal symbol runs from its first pin to its second (the
// part's `from` node to its `to` node). An op-amp always points right: Down
// has its inverting input above the non-inverting one, Up below.
enum class Orientation { Right, Left, Down, Up };

struct Pin {
    std::string_view name;  // "1", "2"; "+", "-", "out", "V+", "V-"
    Point at;
};

struct Symbol {
    SymbolKind kind;
    Point position;  // the centre of a part or op-amp, the pin of a ground, supply or terminal
    Orientation orientation;
    std::vector<Pin> pins;
    Box box;                                  // everything drawn of it, leads included
    std::vector<std::vector<Point>> strokes;  // open polylines
    std::string designator;                   // "R4", "U2"; empty for the others
};

struct Wire {
    std::vector<Point> points;  // horizontal and vertical runs
};

enum class TextAlign { Start, Middle, End };

struct Label {
    std::string text;  // UTF-8
    Point anchor;      // on the baseline: the start, middle or end of the text
    TextAlign align;
    Box box;  // the text as the metrics measure it
};

struct Scene {
    std::vector<Symbol> symbols;
    std::vector<Wire> wires;
    std::vector<Point> junctions;  // where three or more connections meet: a dot
    std::vector<Label> labels;
    Box bounds;        // everything, with a margin of one grid step
    double pitch = 0;  // scene units per grid step; strokes read well at pitch / 10
};

// How wide and high a line of text is in scene units, and how far its
// baseline lies below its top: the window measures with its font.
struct TextSize {
    double width;
    double height;
    double ascent;
};
using TextMetrics = std::function<TextSize(std::string_view text)>;

// A fixed advance per character (not per byte: "Ω" is one), for tests and for
// a writer without a font at hand.
TextMetrics fixedAdvanceMetrics(double advance = 7, double height = 12);

}  // namespace tessaron
