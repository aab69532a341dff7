// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/schematic_scene.h"

#include <algorithm>

namespace tessaron {

Box unite(const Box& a, const Box& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

TextMetrics fixedAdvanceMetrics(double advance, double height) {
    return [advance, height](std::string_view text) {
        // Continuation bytes of UTF-8 are 10xxxxxx: count the others.
        const auto characters = std::count_if(text.begin(), text.end(), [](char c) {
            return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        });
        return TextSize{advance * static_cast<double>(characters), height, height * 0.75};
    };
}

}  // namespace tessaron
