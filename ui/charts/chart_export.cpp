// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/charts/chart_export.h"

#include <qcustomplot.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <stdexcept>

#include "ui/charts/chart_interaction.h"

namespace tessaron {

namespace {

// The plot drawn on a vector device, a pixel of the screen to a unit of the
// page. The device must have the screen's resolution: fonts sized in points
// take their size from it, and the units of the page scale them once more.
// Hairlines become lines one unit wide: on a PDF page a hairline is as thin as
// the printer can make it, not the pixel seen on screen.
void drawVectors(QCustomPlot& chart, QPaintDevice& device) {
    QCPPainter painter;
    if (!painter.begin(&device)) {
        throw std::runtime_error("cannot draw the chart");
    }
    painter.setMode(QCPPainter::pmVectorized);
    painter.setMode(QCPPainter::pmNonCosmetic);
    painter.setWindow(QRect(QPoint(0, 0), chart.size()));
    chart.toPainter(&painter, chart.width(), chart.height());
    painter.end();
}

QByteArray svgBytes(QCustomPlot& chart) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(chart.size());
    generator.setViewBox(QRect(QPoint(0, 0), chart.size()));
    generator.setResolution(chart.logicalDpiX());
    generator.setTitle(QGuiApplication::applicationDisplayName());
    drawVectors(chart, generator);
    return buffer.data();
}

QByteArray pdfBytes(QCustomPlot& chart) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QGuiApplication::applicationDisplayName());
        writer.setResolution(chart.logicalDpiX());
        writer.setPageLayout(QPageLayout(
            QPageSize(QSizeF(chart.size()), QPageSize::Point, QString(), QPageSize::ExactMatch),
            QPageLayout::Portrait, QMarginsF()));
        drawVectors(chart, writer);
    }
    return buffer.data();
}

QByteArray pngBytes(QCustomPlot& chart, int scale) {
    const QPixmap pixmap = chart.toPixmap(chart.width(), chart.height(), scale);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!pixmap.save(&buffer, "PNG")) {
        throw std::runtime_error("cannot encode the chart as PNG");
    }
    return buffer.data();
}

}  // namespace

QByteArray chartFileBytes(QCustomPlot& chart, ChartFormat format, int scale) {
    const ReadoutHidden hidden(chart);
    switch (format) {
        case ChartFormat::Svg:
            return svgBytes(chart);
        case ChartFormat::Pdf:
            return pdfBytes(chart);
        case ChartFormat::Png:
            break;
    }
    return pngBytes(chart, scale);
}

}  // namespace tessaron
