// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <span>

#include "ui/files/dialogs.h"

namespace tessaron {

// One kind of file a save offers: its filter in the dialog and its suffix.
struct SaveFileType {
    QString filter;  // "CSV files (*.csv)"
    QString suffix;  // "csv"
};

// The file to write and the index of its type among those offered.
struct SaveTarget {
    QString path;
    int type = 0;
};

// What the dialog's answer means. A name ending in an offered suffix is of
// that type (of the selected filter when that has the same suffix, so that
// "plot.png" under "PNG image, 2× size" is the larger picture); any other name
// is of the selected type, and gets its suffix when it has none.
SaveTarget saveTarget(const SaveFileAnswer& answer, std::span<const SaveFileType> types);

}  // namespace tessaron
