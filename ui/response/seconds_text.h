// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <qcustomplot.h>

#include <QLocale>
#include <QString>

namespace tessaron {

// A time as engineers write it, with an SI prefix and up to six significant
// digits: "125 µs", "2.5 ms", "0 s".
QString secondsText(double seconds, const QLocale& locale);

// Ticks of an axis in seconds, labelled with secondsText.
class SecondsTicker : public QCPAxisTicker {
  protected:
    QString getTickLabel(double tick, const QLocale& locale, QChar formatChar,
                         int precision) override;
};

}  // namespace tessaron
