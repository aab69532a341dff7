// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <qcustomplot.h>

#include <QSharedPointer>
#include <optional>
#include <utility>
#include <vector>

#include "ui/charts/chart_quantity.h"

namespace tessaron {

// Decade ticks labelled 10, 100, 1k...; once the user zooms into less than two
// decades, ticks at 1-2-5 or every mantissa, and finally at linear steps, so
// that a zoomed axis still carries several labels.
class FrequencyTicker : public QCPAxisTickerLog {
  public:
    FrequencyTicker() = default;

  protected:
    QString getTickLabel(double tick, const QLocale& locale, QChar formatChar,
                         int precision) override;
    QVector<double> createTickVector(double tickStep, const QCPRange& range) override;
    int getSubTickCount(double tickStep) override;
    QVector<double> createSubTickVector(int subTickCount, const QVector<double>& ticks) override;

  private:
    enum class Spacing { Decades, OneTwoFive, EveryMantissa, Linear };
    Spacing spacing_ = Spacing::Decades;
};

// Value ticks on steps that mean something for the quantity: multiples of 20 dB
// (the slope of one pole per decade) or of 45° and 90° (where the phase of a
// filter has its landmarks). A range too short for any of them gets ordinary
// steps.
class PreferredStepTicker : public QCPAxisTicker {
  public:
    struct Step {
        double size;
        int subTicks;
    };
    explicit PreferredStepTicker(std::vector<Step> steps) : steps_(std::move(steps)) {}

    static QSharedPointer<PreferredStepTicker> forQuantity(ChartQuantity quantity);

  protected:
    double getTickStep(const QCPRange& range) override;
    int getSubTickCount(double tickStep) override;

  private:
    std::vector<Step> steps_;
    std::optional<Step> chosen_;
};

}  // namespace tessaron
