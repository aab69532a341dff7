// SPDX-License-Identifier: GPL-3.0-or-later

// The schematic as the bytes of its files.
#include <QImage>
#include <QSet>
#include <QXmlStreamReader>
#include <cmath>

#include "studies/schematic_layout.h"
#include "tests/ui/schematic/schematic_drawings.h"
#include "ui/schematic/scene_painter.h"
#include "ui/schematic/schematic_file.h"

namespace tessaron::test {
namespace {

struct Drawing {
    QFont font = drawingFont(QFont());
    Scene scene = schematicScene(kindOf<MultipleFeedback>, order8(kindOf<MultipleFeedback>),
                                 {textMetrics(font), 10, 900});
};

TEST(SchematicFile, SvgIsWellFormedAndHoldsEveryDesignator) {
    const Drawing d;
    QXmlStreamReader svg(schematicFileBytes(d.scene, d.font, ChartFormat::Svg));
    QSet<QString> texts;
    while (!svg.atEnd()) {
        if (svg.readNext() == QXmlStreamReader::StartElement && svg.name() == u"text") {
            texts << svg.readElementText();
        }
    }
    ASSERT_FALSE(svg.hasError()) << svg.errorString().toStdString();
    for (const Symbol& symbol : d.scene.symbols) {
        EXPECT_TRUE(symbol.designator.empty() ||
                    texts.contains(QString::fromStdString(symbol.designator)))
            << symbol.designator;
    }
}

TEST(SchematicFile, PdfIsAPdf) {
    const Drawing d;
    EXPECT_TRUE(schematicFileBytes(d.scene, d.font, ChartFormat::Pdf).startsWith("%PDF-"));
}

// A pixel a scene unit at 1×, then twice and four times as many each way.
TEST(SchematicFile, PngHasScaleTimesTheScenesSize) {
    const Drawing d;
    for (int scale : {1, 2, 4}) {
        const QImage png =
            QImage::fromData(schematicFileBytes(d.scene, d.font, ChartFormat::Png, scale), "PNG");
        EXPECT_EQ(png.width(), static_cast<int>(std::ceil(d.scene.bounds.width() * scale)))
            << scale;
        EXPECT_EQ(png.height(), static_cast<int>(std::ceil(d.scene.bounds.height() * scale)))
            << scale;
    }
}

}  // namespace
}  // namespace tessaron::test
