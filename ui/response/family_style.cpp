// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/response/family_style.h"

namespace tessaron {

QString familyName(FilterFamily family) {
    switch (family) {
        case Butterworth:
            return QStringLiteral("Butterworth");
        case Bessel:
            return QStringLiteral("Bessel");
        case Chebyshev:
            return QStringLiteral("Chebyshev");
    }
    return QString();
}

QColor familyColour(FilterFamily family) {
    switch (family) {
        case Butterworth:
            return QColor(31, 94, 196);
        case Bessel:
            return QColor(20, 140, 60);
        case Chebyshev:
            return QColor(200, 60, 30);
    }
    return Qt::black;
}

}  // namespace tessaron
