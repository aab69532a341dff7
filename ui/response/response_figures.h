// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QStringList>

#include "studies/delay_and_step.h"

namespace tessaron {

// The rows of the figures beside the Response window's charts.
QStringList figureNames();

// One family's column of figures, a text per row of figureNames(): delays and
// times in engineering units, the overshoot in %. A family that cannot be
// shown has a dash in every row; a time the response does not reach says so.
QStringList figureTexts(const DelayAndStepOutcome& outcome, const QLocale& locale);

}  // namespace tessaron
