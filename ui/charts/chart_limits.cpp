// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/charts/chart_limits.h"

#include <QBrush>
#include <QColor>
#include <QPen>

namespace tessaron {
namespace {

// Below the bands and the series: a limit is the ground the curves are read
// against, never drawn over them.
const char* const kLimitLayer = "limits";
const char* const kLimitProperty = "tessaronLimitBox";

const QColor kLimitFill(0, 0, 0, 28);
const QColor kLimitEdge(150, 150, 150);

QCPLayer& limitLayer(QCustomPlot& chart) {
    if (QCPLayer* layer = chart.layer(kLimitLayer)) {
        return *layer;
    }
    chart.addLayer(kLimitLayer, chart.layer("grid"), QCustomPlot::limAbove);
    return *chart.layer(kLimitLayer);
}

// A position of mixed kinds: with `keyAtEdge`, its key is a fraction of the
// axis rect (0 its left, 1 its right) and its value in the axis' units; else
// its key is in the axis' units and its value a fraction (0 the top, 1 the
// bottom).
void setPosition(QCPItemPosition& position, double key, double value, bool keyAtEdge) {
    position.setTypeX(keyAtEdge ? QCPItemPosition::ptAxisRectRatio : QCPItemPosition::ptPlotCoords);
    position.setTypeY(keyAtEdge ? QCPItemPosition::ptPlotCoords : QCPItemPosition::ptAxisRectRatio);
    position.setCoords(key, value);
}

void place(QCPItemRect& box, const ChartLimit& limit) {
    if (limit.corner == LimitCorner::LowerLeft) {
        setPosition(*box.topLeft, 0, limit.value, true);
        setPosition(*box.bottomRight, limit.key, 1, false);
    } else {
        setPosition(*box.topLeft, limit.key, 0, false);
        setPosition(*box.bottomRight, 1, limit.value, true);
    }
}

}  // namespace

QCPItemRect& addLimitBox(QCustomPlot& chart, const ChartLimit& limit) {
    auto* box = new QCPItemRect(&chart);
    box->setProperty(kLimitProperty, true);
    box->setLayer(&limitLayer(chart));
    box->setClipToAxisRect(true);
    box->setSelectable(false);
    box->setPen(QPen(kLimitEdge, 0));
    box->setBrush(QBrush(kLimitFill));
    place(*box, limit);
    return *box;
}

std::vector<QCPItemRect*> limitBoxes(const QCustomPlot& chart) {
    std::vector<QCPItemRect*> boxes;
    for (int i = 0; i < chart.itemCount(); ++i) {
        auto* box = qobject_cast<QCPItemRect*>(chart.item(i));
        if (box != nullptr && box->property(kLimitProperty).toBool()) {
            boxes.push_back(box);
        }
    }
    return boxes;
}

void removeLimitBoxes(QCustomPlot& chart) {
    for (QCPItemRect* box : limitBoxes(chart)) {
        chart.removeItem(box);
    }
}

}  // namespace tessaron
