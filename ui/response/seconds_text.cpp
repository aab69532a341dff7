// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/response/seconds_text.h"

#include <cmath>
#include <string>

#include "studies/engineering_text.h"

namespace tessaron {

QString secondsText(double seconds, const QLocale& locale) {
    // A tick computed as 1e-20 beside ticks of milliseconds is the zero tick.
    if (std::abs(seconds) < 1e-18) {
        return QStringLiteral("0 s");
    }
    StandardValue kept;
    kept.value = std::abs(seconds);
    const std::string text = engineeringText(kept, "s", locale.decimalPoint().toStdString());
    return (seconds < 0 ? QStringLiteral("-") : QString()) + QString::fromStdString(text);
}

QString SecondsTicker::getTickLabel(double tick, const QLocale& locale, QChar, int) {
    return secondsText(tick, locale);
}

}  // namespace tessaron
