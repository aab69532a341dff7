// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

#include "studies/schematic_scene.h"

class QPainter;

namespace tessaron {

// The font a drawing is measured and painted with: `base` at the size in
// pixels it has on screen. A size in pixels is a size in scene units on
// every device (a screen, an image at 4×, a PDF page), so the texts keep
// the boxes the layout measured for them.
QFont drawingFont(const QFont& base);

// Widths, heights and ascents of texts in `font`, in its pixels.
TextMetrics textMetrics(const QFont& font);

// The scene in black, one scene unit to a unit of the painter: strokes and
// wires at a tenth of the grid step, junctions as dots, texts in `font`
// where the layout placed them. Vectors only, so it stays sharp at any
// scale and on any device. The device is white already (an image filled, a
// page, the view): a second coat of white over the whole drawing is most of
// what a large painting costs.
void paintScene(QPainter& painter, const Scene& scene, const QFont& font);

}  // namespace tessaron
