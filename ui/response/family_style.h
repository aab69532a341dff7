// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QString>

#include "engine/coefficient_tables.h"

namespace tessaron {

// The family as the tabs' radio buttons name it: "Butterworth", "Bessel", "Chebyshev".
QString familyName(FilterFamily family);

// Each family keeps its colour wherever it is drawn, so that a comparison reads
// the same whichever family the design has.
QColor familyColour(FilterFamily family);

}  // namespace tessaron
