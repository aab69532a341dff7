// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/charts/chart_text.h"

#include <array>
#include <cmath>

namespace tessaron {

QString engineeringNumber(double value, const QLocale& locale) {
    struct Prefix {
        double scale;
        const char* symbol;
    };
    static constexpr std::array<Prefix, 3> kPrefixes{{{1e9, "G"}, {1e6, "M"}, {1e3, "k"}}};
    for (const Prefix& prefix : kPrefixes) {
        // A tick computed as 999.9999999 is still 1k.
        if (std::abs(value) >= prefix.scale * (1.0 - 1e-9)) {
            return locale.toString(value / prefix.scale, 'g', 6) + QLatin1String(prefix.symbol);
        }
    }
    return locale.toString(value, 'g', 6);
}

QString frequencyText(double hertz, const QLocale& locale) {
    static constexpr std::array<const char*, 4> kPrefixes{"", "k", "M", "G"};
    double scaled = hertz;
    std::size_t prefix = 0;
    // 999.7 Hz reads "1.00 kHz", not "1000 Hz".
    while (prefix + 1 < kPrefixes.size() && std::abs(scaled) >= 999.5) {
        scaled /= 1000.0;
        ++prefix;
    }
    const double magnitude = std::abs(scaled);
    const int decimals = magnitude >= 99.95 ? 0 : magnitude >= 9.995 ? 1 : 2;
    return locale.toString(scaled, 'f', decimals) + ' ' + QLatin1String(kPrefixes[prefix]) + "Hz";
}

QString readoutText(ChartQuantity quantity, double hertz, double value, const QLocale& locale) {
    double shown = std::round(value * 100.0) / 100.0;
    if (shown == 0.0) {
        // A pass band of -4e-8 dB is 0.00 dB, not "-0.00".
        shown = 0.0;
    }
    const QString unit =
        quantity == ChartQuantity::Gain ? QStringLiteral(" dB") : QString(QChar(0x00B0));
    return frequencyText(hertz, locale) + ", " + locale.toString(shown, 'f', 2) + unit;
}

}  // namespace tessaron
