// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QString>

#include "ui/charts/chart_quantity.h"

namespace tessaron {

// A number as engineers write frequencies: 10, 100, 1k, 10k, 1M; 0.5.
QString engineeringNumber(double value, const QLocale& locale);
// A frequency to three significant digits: "10.0 Hz", "1.00 kHz", "1.23 MHz".
QString frequencyText(double hertz, const QLocale& locale);
// What the readout shows for a point: "1.00 kHz, -3.01 dB" or "1.00 kHz, 90.00°".
QString readoutText(ChartQuantity quantity, double hertz, double value, const QLocale& locale);

}  // namespace tessaron
