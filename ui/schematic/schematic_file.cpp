// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/schematic/schematic_file.h"

#include <QBuffer>
#include <QFontInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>
#include <stdexcept>

#include "studies/scene_svg.h"
#include "ui/schematic/scene_painter.h"

namespace tessaron {
namespace {

QRectF boundsOf(const Scene& scene) {
    const Box& b = scene.bounds;
    return {b.left, b.top, b.width(), b.height()};
}

QByteArray svgBytes(const Scene& scene, const QFont& font) {
    const std::string family = QFontInfo(font).family().toStdString();
    const std::string svg = sceneSvg(scene, {family, static_cast<double>(font.pixelSize())});
    return {svg.data(), static_cast<qsizetype>(svg.size())};
}

// At 72 dots per inch a unit of the device is a point: the scene goes onto
// the page one to one, its bounds' corner to the page's.
QByteArray pdfBytes(const Scene& scene, const QFont& font) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QGuiApplication::applicationDisplayName());
        writer.setResolution(72);
        const QRectF bounds = boundsOf(scene);
        writer.setPageLayout(QPageLayout(
            QPageSize(bounds.size(), QPageSize::Point, QString(), QPageSize::ExactMatch),
            QPageLayout::Portrait, QMarginsF()));
        QPainter painter;
        if (!painter.begin(&writer)) {
            throw std::runtime_error("cannot draw the schematic");
        }
        painter.translate(-bounds.topLeft());
        paintScene(painter, scene, font);
        painter.end();
    }
    return buffer.data();
}

}  // namespace

QImage schematicImage(const Scene& scene, const QFont& font, double scale) {
    const QRectF bounds = boundsOf(scene);
    QImage image(static_cast<int>(std::ceil(bounds.width() * scale)),
                 static_cast<int>(std::ceil(bounds.height() * scale)), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.translate(-bounds.topLeft());
    paintScene(painter, scene, font);
    return image;
}

QByteArray schematicFileBytes(const Scene& scene, const QFont& font, ChartFormat format,
                              int scale) {
    switch (format) {
        case ChartFormat::Svg:
            return svgBytes(scene, font);
        case ChartFormat::Pdf:
            return pdfBytes(scene, font);
        case ChartFormat::Png:
            break;
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!schematicImage(scene, font, scale).save(&buffer, "PNG")) {
        throw std::runtime_error("cannot encode the schematic as PNG");
    }
    return buffer.data();
}

}  // namespace tessaron
