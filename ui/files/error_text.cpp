// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/files/error_text.h"

#include <QList>

#include "ui/charts/utf8_text.h"

namespace tessaron {

QString errorBoxText(std::string_view message) {
    QString text = qText(message);
    // Compare whole code points: a character outside the basic plane ends in a
    // low surrogate, which must not be mistaken for the character itself.
    const QList<uint> codePoints = text.toUcs4();
    if (!codePoints.isEmpty() && codePoints.back() > static_cast<uint>(u'.')) {
        text += u'.';
    }
    return text;
}

}  // namespace tessaron
