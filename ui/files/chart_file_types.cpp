// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/files/chart_file_types.h"

#include <QString>

namespace tessaron {

const std::array<ChartFileType, 5>& chartFileTypes() {
    static const std::array<ChartFileType, 5> kTypes{{
        {{QStringLiteral("SVG image (*.svg)"), QStringLiteral("svg")}, ChartFormat::Svg, 1},
        {{QStringLiteral("PDF document (*.pdf)"), QStringLiteral("pdf")}, ChartFormat::Pdf, 1},
        {{QStringLiteral("PNG image (*.png)"), QStringLiteral("png")}, ChartFormat::Png, 1},
        {{QString::fromUtf8("PNG image, 2× size (*.png)"), QStringLiteral("png")},
         ChartFormat::Png,
         2},
        {{QString::fromUtf8("PNG image, 4× size (*.png)"), QStringLiteral("png")},
         ChartFormat::Png,
         4},
    }};
    return kTypes;
}

}  // namespace tessaron
