// SPDX-License-Identifier: GPL-3.0-or-later

// The schematic view: measured with its own font, fitted or scrolled. (The
// end-to-end suite looks at its painting on a real screen.)
#include <QFontMetricsF>
#include <QScrollBar>
#include <QTest>

#include "tests/ui/schematic/schematic_drawings.h"

namespace tessaron::test {
namespace {

struct ShownView {
    explicit ShownView(TopologyKind topology, QSize size) {
        view.resize(size);
        view.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&view));
        view.showDrawing(topology, order8(topology));
    }
    bool scrolls(const QScrollBar* bar) const { return bar->maximum() > 0; }
    SchematicView view;
};

// The layout's own test checks its boxes with its own metrics; here the boxes
// are the painting font's, measured again.
TEST(SchematicView, LabelsAreMeasuredWithThePaintersFontAndNeverOverlap) {
    for (TopologyKind topology : kTopologies) {
        SCOPED_TRACE(nameOf(topology));
        const ShownView shown(topology, {900, 600});
        const QFontMetricsF metrics(shown.view.sceneFont());
        std::vector<Box> boxes;
        for (const Label& label : shown.view.fitted().scene.labels) {
            const QString text = QString::fromStdString(label.text);
            EXPECT_DOUBLE_EQ(label.box.width(), metrics.horizontalAdvance(text)) << label.text;
            const QRectF ink =
                metrics.tightBoundingRect(text).translated(label.box.left, label.anchor.y);
            boxes.push_back({ink.left(), ink.top(), ink.right(), ink.bottom()});
        }
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            for (std::size_t j = i + 1; j < boxes.size(); ++j) {
                EXPECT_FALSE(boxes[i].overlaps(boxes[j])) << i << " and " << j;
            }
        }
    }
}

struct FitCase {
    QSize size;
    bool scrollsDown;
};

// Large enough, it fits the view and grows; too small, it keeps its texts
// readable, wraps its rows to the view's width and scrolls down them.
TEST(SchematicView, FitsTheViewOrScrollsDownAtTheSmallestReadableScale) {
    const FitCase cases[] = {{{1400, 900}, false}, {{540, 300}, true}};
    for (const FitCase& c : cases) {
        const ShownView shown(kindOf<MultipleFeedback>, c.size);
        const FittedScene& f = shown.view.fitted();
        SCOPED_TRACE(f.scale);
        EXPECT_EQ(shown.scrolls(shown.view.verticalScrollBar()), c.scrollsDown);
        EXPECT_FALSE(shown.scrolls(shown.view.horizontalScrollBar()));
        EXPECT_LE(f.scene.bounds.width() * f.scale, shown.view.viewport()->width() + 1e-6);
        if (c.scrollsDown) {
            EXPECT_DOUBLE_EQ(f.scale * shown.view.sceneFont().pixelSize(), 9);
        } else {
            EXPECT_GT(f.scale, 1);
        }
    }
}

}  // namespace
}  // namespace tessaron::test
