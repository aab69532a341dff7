// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/charts/chart_interaction.h"

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "ui/charts/chart_style.h"
#include "ui/charts/context_menu.h"

namespace tessaron {

namespace {

const char* const kReadoutLayer = "readout";

// The point whose key lies nearest to a horizontal pixel position, as the eye
// judges it on the chart's key axis (logarithmic or linear).
std::optional<QCPGraphData> nearestInKey(const QCPGraph& graph, double pixelX) {
    const QCPGraphDataContainer& data = *graph.data();
    if (data.isEmpty()) {
        return std::nullopt;
    }
    const QCPAxis& keyAxis = *graph.keyAxis();
    const double key = keyAxis.pixelToCoord(pixelX);
    const auto after =
        std::lower_bound(data.constBegin(), data.constEnd(), key,
                         [](const QCPGraphData& point, double k) { return point.key < k; });
    const auto distance = [&](const QCPGraphData& point) {
        return std::abs(keyAxis.coordToPixel(point.key) - pixelX);
    };
    if (after == data.constEnd()) {
        return *(after - 1);
    }
    if (after == data.constBegin()) {
        return *after;
    }
    const QCPGraphData& before = *(after - 1);
    return distance(before) <= distance(*after) ? before : *after;
}

}  // namespace

ChartInteraction::ChartInteraction(QCustomPlot& chart, ReadoutFormat readout)
    : QObject(&chart), chart_(chart), readout_(std::move(readout)) {
    // The readout has a buffer of its own, so that following the mouse redraws
    // one label instead of ten thousand points.
    chart.addLayer(kReadoutLayer, chart.layer("legend"), QCustomPlot::limAbove);
    layer_ = chart.layer(kReadoutLayer);
    layer_->setMode(QCPLayer::lmBuffered);

    tracer_ = new QCPItemTracer(&chart);
    tracer_->setLayer(layer_);
    tracer_->setStyle(QCPItemTracer::tsCircle);
    tracer_->setSize(7);
    tracer_->setPen(QPen(Qt::black, 1));
    tracer_->setBrush(Qt::NoBrush);
    tracer_->setVisible(false);

    label_ = new QCPItemText(&chart);
    label_->setLayer(layer_);
    label_->position->setType(QCPItemPosition::ptAxisRectRatio);
    label_->position->setCoords(0.985, 0.03);
    label_->setPositionAlignment(Qt::AlignRight | Qt::AlignTop);
    label_->setFont(chart.font());
    label_->setColor(Qt::black);
    label_->setPadding(QMargins(3, 1, 3, 1));
    label_->setPen(QPen(QColor(160, 160, 160)));
    label_->setBrush(QColor(255, 255, 255, 230));
    label_->setVisible(false);

    chart.setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);
    chart.axisRect()->setRangeDrag(Qt::Horizontal);
    chart.axisRect()->setRangeZoom(Qt::Horizontal);

    connect(&chart, &QCustomPlot::mouseMove, this, [this](QMouseEvent* event) {
        lastPosition_ = event->position();
        hovering_ = true;
        placeReadout();
        layer_->replot();
    });
    connect(&chart, &QCustomPlot::mouseDoubleClick, this, [this] { resetRange(); });
    // A zoom under a still mouse changes which point lies under it.
    connect(chart.xAxis, QOverload<const QCPRange&>::of(&QCPAxis::rangeChanged), this,
            [this] { refreshReadout(); });
    chart.installEventFilter(this);

    setUpContextMenu(chart, chart, [this](const QPoint&) {
        auto* menu = new QMenu(&chart_);
        menu->addAction(tr("Copy Chart"), this, &ChartInteraction::copyPicture);
        menu->addAction(tr("Reset Zoom"), this, &ChartInteraction::resetRange);
        return menu;
    });
}

ChartInteraction* ChartInteraction::of(const QCustomPlot& chart) {
    return chart.findChild<ChartInteraction*>(QString(), Qt::FindDirectChildrenOnly);
}

bool ChartInteraction::readoutShown() const {
    return label_->visible();
}

QString ChartInteraction::readoutText() const {
    return label_->text();
}

void ChartInteraction::refreshReadout() {
    if (hovering_) {
        placeReadout();
    }
}

void ChartInteraction::placeReadout() {
    const QRect area = chart_.axisRect()->rect();
    std::optional<QCPGraphData> point;
    // A chart without a readout format has nothing to read out.
    if (readout_ && chart_.graphCount() > 0 && area.contains(lastPosition_.toPoint())) {
        point = nearestInKey(*chart_.graph(0), lastPosition_.x());
    }
    // Zoomed or panned away from every point, there is nothing to read.
    if (point) {
        const double pixelX = chart_.xAxis->coordToPixel(point->key);
        if (pixelX < area.left() - 0.5 || pixelX > area.right() + 0.5) {
            point.reset();
        }
    }
    if (point) {
        tracer_->position->setCoords(point->key, point->value);
        label_->setText(readout_(point->key, point->value, chart_.locale()));
    }
    tracer_->setVisible(point.has_value());
    label_->setVisible(point.has_value());
}

void ChartInteraction::hideReadout() {
    hovering_ = false;
    if (readoutShown()) {
        tracer_->setVisible(false);
        label_->setVisible(false);
        layer_->replot();
    }
}

void ChartInteraction::resetRange() {
    autoScale(chart_);
    chart_.replot();
}

QPixmap ChartInteraction::picture() {
    const ReadoutHidden hidden(chart_);
    return chart_.toPixmap(0, 0, chart_.devicePixelRatioF());
}

void ChartInteraction::copyPicture() {
    QGuiApplication::clipboard()->setPixmap(picture());
}

ReadoutHidden::ReadoutHidden(const QCustomPlot& chart)
    : layer_(chart.layer(kReadoutLayer)), wasVisible_(layer_ != nullptr && layer_->visible()) {
    if (layer_ != nullptr) {
        layer_->setVisible(false);
    }
}

ReadoutHidden::~ReadoutHidden() {
    if (layer_ != nullptr) {
        layer_->setVisible(wasVisible_);
    }
}

bool ChartInteraction::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Leave:
            hideReadout();
            break;
        case QEvent::Show:
        case QEvent::ScreenChangeInternal:
            // The chart draws into buffers of its own; on a screen of another
            // pixel density they must follow, or the chart comes out blurred.
            if (chart_.bufferDevicePixelRatio() != chart_.devicePixelRatioF()) {
                chart_.setBufferDevicePixelRatio(chart_.devicePixelRatioF());
                chart_.replot(QCustomPlot::rpQueuedReplot);
            }
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tessaron
