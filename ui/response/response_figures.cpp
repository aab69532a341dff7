// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/response/response_figures.h"

#include <optional>
#include <variant>

#include "ui/charts/chart_text.h"
#include "ui/response/seconds_text.h"

namespace tessaron {
namespace {

QString timeOrNotReached(const std::optional<double>& seconds, const QLocale& locale) {
    return seconds ? secondsText(*seconds, locale) : QStringLiteral("not reached");
}

}  // namespace

QStringList figureNames() {
    return {QStringLiteral("Group delay at DC"),
            QStringLiteral("Peak group delay"),
            QStringLiteral("Peak at"),
            QStringLiteral("Overshoot"),
            QStringLiteral("Rise time 10–90 %"),
            QStringLiteral("Settling time to 1 %"),
            QStringLiteral("Settling time to 0.1 %")};
}

QStringList figureTexts(const DelayAndStepOutcome& outcome, const QLocale& locale) {
    const auto* shown = std::get_if<DelayAndStep>(&outcome);
    if (shown == nullptr) {
        QStringList dashes;
        for (qsizetype i = 0; i < figureNames().size(); ++i) {
            dashes << QStringLiteral("—");
        }
        return dashes;
    }
    const StepFigures& step = shown->stepFigures;
    // A delay that only falls from DC peaks there.
    const QString peakAt = shown->delay.peakFrequency > 0
                               ? frequencyText(shown->delay.peakFrequency, locale)
                               : QStringLiteral("DC");
    return {secondsText(shown->delay.atDc, locale),
            secondsText(shown->delay.peak, locale),
            peakAt,
            locale.toString(step.overshootPercent, 'f', 2) + QStringLiteral(" %"),
            timeOrNotReached(step.riseTime, locale),
            timeOrNotReached(step.settlingTime1, locale),
            timeOrNotReached(step.settlingTime01, locale)};
}

}  // namespace tessaron
