// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/schematic/scene_painter.h"
#include "ui/charts/utf8_text.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <memory>
#include <string>
#include <unordered_map>

namespace tessaron {
namespace {

QPolygonF polyline(const std::vector<Point>& points) {
    QPolygonF line;
    line.reserve(static_cast<qsizetype>(points.size()));
    for (const Point& p : points) {
        line << QPointF(p.x, p.y);
    }
    return line;
}

}  // namespace

QFont drawingFont(const QFont& base) {
    QFont font = base;
    font.setPixelSize(QFontInfo(base).pixelSize());
    return font;
}

// A layout asks for the same few texts again and again ("10 kΩ", "R1" and
// the like, for each row width the view tries), and shaping one is what a
// layout spends most of its time on: each is measured once.
TextMetrics textMetrics(const QFont& font) {
    auto measured = std::make_shared<std::unordered_map<std::string, TextSize>>();
    return [metrics = QFontMetricsF(font), measured](std::string_view text) {
        const auto [at, added] = measured->try_emplace(std::string(text));
        if (added) {
            at->second = {metrics.horizontalAdvance(qText(text)), metrics.height(),
                          metrics.ascent()};
        }
        return at->second;
    };
}

void paintScene(QPainter& painter, const Scene& scene, const QFont& font) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QPen pen(Qt::black, scene.pitch / 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    for (const Symbol& symbol : scene.symbols) {
        for (const auto& stroke : symbol.strokes) {
            painter.drawPolyline(polyline(stroke));
        }
    }
    for (const Wire& wire : scene.wires) {
        painter.drawPolyline(polyline(wire.points));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    const double r = scene.pitch / 5;
    for (const Point& j : scene.junctions) {
        painter.drawEllipse(QPointF(j.x, j.y), r, r);
    }
    painter.setPen(Qt::black);
    painter.setFont(font);
    for (const Label& label : scene.labels) {
        // The box's left edge is where the text starts, whatever its alignment.
        painter.drawText(QPointF(label.box.left, label.anchor.y), qText(label.text));
    }
    painter.restore();
}

}  // namespace tessaron
