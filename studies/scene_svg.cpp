// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/scene_svg.h"

#include <array>
#include <charconv>

namespace tessaron {
namespace {

// Hundredths of a scene unit are below anything a screen or a printer shows.
std::string number(double value) {
    std::array<char, 32> text{};
    const auto result =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed, 2);
    std::string s(text.data(), result.ptr);
    while (s.back() == '0') {
        s.pop_back();
    }
    if (s.back() == '.') {
        s.pop_back();
    }
    return s == "-0" ? "0" : s;
}

std::string escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string polyline(const std::vector<Point>& points) {
    std::string s = "<polyline points=\"";
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (i > 0) {
            s += ' ';
        }
        s.append(number(points[i].x)).append(",").append(number(points[i].y));
    }
    return s + "\"/>\n";
}

std::string_view anchorOf(TextAlign align) {
    switch (align) {
        case TextAlign::Start:
            return "start";
        case TextAlign::Middle:
            return "middle";
        case TextAlign::End:
            return "end";
    }
    return "start";
}

}  // namespace

std::string sceneSvg(const Scene& scene, const SvgStyle& style) {
    const Box& b = scene.bounds;
    const std::string stroke = number(scene.pitch / 10);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
           number(b.width()) + "\" height=\"" + number(b.height()) + "\" viewBox=\"" +
           number(b.left) + " " + number(b.top) + " " + number(b.width()) + " " +
           number(b.height()) + "\">\n";
    svg += "<rect x=\"" + number(b.left) + "\" y=\"" + number(b.top) + "\" width=\"" +
           number(b.width()) + "\" height=\"" + number(b.height()) + "\" fill=\"white\"/>\n";
    svg += "<g fill=\"none\" stroke=\"black\" stroke-width=\"" + stroke +
           "\" stroke-linecap=\"round\" stroke-linejoin=\"round\">\n";
    for (const Symbol& symbol : scene.symbols) {
        for (const auto& s : symbol.strokes) {
            svg += polyline(s);
        }
    }
    for (const Wire& wire : scene.wires) {
        svg += polyline(wire.points);
    }
    svg += "</g>\n<g fill=\"black\">\n";
    for (const Point& j : scene.junctions) {
        svg += "<circle cx=\"" + number(j.x) + "\" cy=\"" + number(j.y) + "\" r=\"" +
               number(scene.pitch / 5) + "\"/>\n";
    }
    svg += "</g>\n<g font-family=\"" + escaped(style.fontFamily) + "\" font-size=\"" +
           number(style.fontSize) + "\">\n";
    for (const Label& label : scene.labels) {
        svg += "<text x=\"" + number(label.anchor.x) + "\" y=\"" + number(label.anchor.y) +
               "\" text-anchor=\"" + std::string(anchorOf(label.align)) + "\">" +
               escaped(label.text) + "</text>\n";
    }
    return svg + "</g>\n</svg>\n";
}

}  // namespace tessaron
