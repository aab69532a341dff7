// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/charts/chart_export.h"

#include <gtest/gtest.h>

#include <qcustomplot.h>
#include <QFontInfo>
#include <QImage>
#include <QXmlStreamReader>

#include <cmath>
#include <vector>

#include "tests/ui/support/recording_dialogs.h"
#include "ui/charts/chart_series.h"
#include "ui/charts/chart_style.h"

namespace tessaron::test {
namespace {

// A gain chart of the form's size with a falling curve on it.
class ChartExport : public ::testing::Test {
  protected:
    static QCustomPlot& gainChart(QCustomPlot& chart) {
        chart.resize(339, 210);
        setUpChart(chart, ChartQuantity::Gain, "Series1");
        return chart;
    }
    void SetUp() override {
        std::vector<PlotPoint> points;
        for (int k = 0; k < 10000; ++k) {
            const double f = 10.0 + 9.0 * k;
            points.push_back({f, -20.0 * std::log10(1.0 + f / 1000.0)});
        }
        series.setPoints(points);
    }

    QCustomPlot chart;
    ChartSeries series{gainChart(chart), "Series1"};
};

class ChartPng : public ChartExport, public ::testing::WithParamInterface<int> {};

TEST_P(ChartPng, HasTheScaledSizeAndTheRedPoints) {
    const int scale = GetParam();
    const QImage image = QImage::fromData(chartFileBytes(chart, ChartFormat::Png, scale), "PNG");
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(339 * scale, 210 * scale));
    int red = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            red += image.pixel(x, y) == qRgb(255, 0, 0) ? 1 : 0;
        }
    }
    // The curve covers a good part of the chart's width at every scale.
    EXPECT_GT(red, 100 * scale);
}

INSTANTIATE_TEST_SUITE_P(Scales, ChartPng, ::testing::Values(1, 2, 4));

// The elements of an SVG file that are drawn in a colour, by tag.
struct SvgSummary {
    QString error;
    QString viewBox;
    int redShapes = 0;
    QStringList texts;
    QString titleFontSize;
};

SvgSummary readSvg(const QByteArray& bytes) {
    SvgSummary summary;
    QXmlStreamReader xml(bytes);
    QString fill;
    QString fontSize;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            if (xml.isCharacters() && !xml.isWhitespace()) {
                summary.texts << xml.text().toString().trimmed();
                if (summary.texts.back() == QLatin1String("<Gain>")) {
                    summary.titleFontSize = fontSize;
                }
            }
            continue;
        }
        const QXmlStreamAttributes attributes = xml.attributes();
        if (xml.name() == QLatin1String("text")) {
            fontSize = attributes.value("font-size").toString();
        }
        if (xml.name() == QLatin1String("svg")) {
            summary.viewBox = attributes.value("viewBox").toString();
        }
        if (xml.name() == QLatin1String("g")) {
            fill = attributes.value("fill").toString();
        }
        const bool shape = xml.name() == QLatin1String("path") ||
                           xml.name() == QLatin1String("ellipse") ||
                           xml.name() == QLatin1String("circle");
        if (shape && fill == QLatin1String("#ff0000")) {
            ++summary.redShapes;
        }
    }
    if (xml.hasError()) {
        summary.error = xml.errorString();
    }
    return summary;
}

TEST_F(ChartExport, SvgIsWellFormedVectorsWithTheSeries) {
    const SvgSummary svg = readSvg(chartFileBytes(chart, ChartFormat::Svg));
    EXPECT_EQ(svg.error, QString());
    EXPECT_EQ(svg.viewBox, "0 0 339 210");
    EXPECT_GT(svg.redShapes, 100);
    EXPECT_TRUE(svg.texts.contains("<Gain>"));
    // Text as large as on screen, next to the lines it labels.
    EXPECT_EQ(svg.titleFontSize, QString::number(QFontInfo(chart.font()).pixelSize()));
}

TEST_F(ChartExport, PdfIsOnePageOfTheChartsSize) {
    const QByteArray pdf = chartFileBytes(chart, ChartFormat::Pdf);
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));
    EXPECT_TRUE(pdf.contains("/MediaBox [0 0 339.000000 210.000000]"));
}

}  // namespace
}  // namespace tessaron::test
