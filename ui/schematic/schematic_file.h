// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QFont>
#include <QImage>

#include "studies/schematic_scene.h"
#include "ui/charts/chart_export.h"

namespace tessaron {

// The scene on white at `scale` pixels per scene unit.
QImage schematicImage(const Scene& scene, const QFont& font, double scale = 1);

// The scene as the bytes of a file, in the same formats as a chart: SVG
// written from the scene itself (texts stay texts), a PDF page of the
// scene's size with a scene unit to a point, PNG at `scale` times its size.
// `font` is the one the scene was measured with.
QByteArray schematicFileBytes(const Scene& scene, const QFont& font, ChartFormat format,
                              int scale = 1);

}  // namespace tessaron
