// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

#include "studies/schematic_scene.h"

namespace tessaron {

struct SvgStyle {
    std::string_view fontFamily = "sans-serif";
    double fontSize = 12;  // scene units: the height the scene's metrics measured
};

// The scene as a standalone SVG 1.1 document in UTF-8, one scene unit to a
// user unit: strokes as polylines, junctions as dots, texts as text elements
// anchored as the labels are. Numbers are written with full stops whatever the
// locale.
std::string sceneSvg(const Scene& scene, const SvgStyle& style = {});

}  // namespace tessaron
