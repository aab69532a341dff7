// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/schematic/schematic_view.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <algorithm>
#include <cmath>

#include "ui/schematic/scene_painter.h"

namespace tessaron {

// Paints the view's scene centred where it is smaller than the view. (A
// frame has a Box of its own, hence the namespace on the scene's.)
class SchematicView::Canvas : public QWidget {
  public:
    explicit Canvas(const SchematicView& view) : view_(view) { setObjectName("SchematicCanvas"); }

  protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        if (!view_.hasDrawing()) {
            painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, view_.message());
            return;
        }
        const FittedScene& f = view_.fitted();
        const tessaron::Box& b = f.scene.bounds;
        painter.translate((width() - b.width() * f.scale) / 2,
                          (height() - b.height() * f.scale) / 2);
        painter.scale(f.scale, f.scale);
        painter.translate(-b.left, -b.top);
        paintScene(painter, f.scene, view_.sceneFont());
    }

  private:
    const SchematicView& view_;
};

SchematicView::SchematicView(QWidget* parent) : QScrollArea(parent), canvas_(new Canvas(*this)) {
    setObjectName("Schematic");
    // The canvas covers the viewport whatever its size and paints it white.
    viewport()->setAutoFillBackground(false);
    canvas_->setAttribute(Qt::WA_OpaquePaintEvent);
    setWidget(canvas_);
    setWidgetResizable(false);
    setAlignment(Qt::AlignCenter);
    font_ = drawingFont(font());
}

void SchematicView::showDrawing(TopologyKind topology, std::vector<ShownPart> parts) {
    drawing_ = Drawing{topology, std::move(parts)};
    message_.clear();
    fit();
}

void SchematicView::showMessage(const QString& text) {
    drawing_.reset();
    fitted_ = {};
    message_ = text;
    fit();
}

void SchematicView::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    fit();
}

void SchematicView::changeEvent(QEvent* event) {
    QScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        font_ = drawingFont(font());
        fit();
    }
}

// Laid out for the view without its scroll bars; a drawing that scrolls down
// is laid out again for the width the vertical bar leaves. Texts stay at
// least kSmallestText pixels high, or the view scrolls.
void SchematicView::fit() {
    constexpr double kSmallestText = 9;
    const QSize view = maximumViewportSize();
    QSize room = view;
    if (drawing_) {
        const TextMetrics metrics = textMetrics(font_);
        const FitLimits limits{std::min(1.0, kSmallestText / font_.pixelSize()), 2.5};
        const auto fitTo = [&](QSize size) {
            return fitScene(drawing_->topology, drawing_->parts, metrics, size.width(),
                            size.height(), limits);
        };
        // A drawing scaled to the view's very width must not scroll by a pixel
        // of rounding.
        const auto pixels = [this](double length) {
            return static_cast<int>(std::ceil(length * fitted_.scale - 1e-6));
        };
        fitted_ = fitTo(room);
        if (pixels(fitted_.scene.bounds.height()) > room.height()) {
            room.rwidth() -= style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
            fitted_ = fitTo(room);
        }
        const tessaron::Box& b = fitted_.scene.bounds;
        canvas_->resize(QSize(pixels(b.width()), pixels(b.height())).expandedTo(room));
    } else {
        canvas_->resize(view);
    }
    canvas_->update();
}

}  // namespace tessaron
