// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main_window/image.h"

#include <QPainter>

namespace tessaron {

TImage::TImage(QWidget* parent) : QWidget(parent) {}

void TImage::setSource(const QString& source) {
    source_ = source;
    renderer_.load(source);
    update();
}

void TImage::paintEvent(QPaintEvent*) {
    if (!renderer_.isValid()) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer_.render(&painter, QRectF(rect()));
}

}  // namespace tessaron
