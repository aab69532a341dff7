// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/charts/chart_tickers.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "ui/charts/chart_text.h"

namespace tessaron {

namespace {

// Below this many labelled ticks a zoomed frequency axis switches to a finer
// spacing.
constexpr int kFewestTicks = 3;

double powerOfTen(int exponent) {
    return std::pow(10.0, exponent);
}

int decadeOf(double value) {
    // Rounded slightly up so that 1000 computed as 999.9999999 still counts as 10^3.
    return static_cast<int>(std::floor(std::log10(value) + 1e-9));
}

QVector<double> mantissaTicks(std::initializer_list<int> mantissas, const QCPRange& range) {
    QVector<double> ticks;
    for (int exponent = decadeOf(range.lower); exponent <= decadeOf(range.upper); ++exponent) {
        for (int mantissa : mantissas) {
            ticks.append(mantissa * powerOfTen(exponent));
        }
    }
    return ticks;
}

qsizetype countInside(const QVector<double>& ticks, const QCPRange& range) {
    return std::count_if(ticks.cbegin(), ticks.cend(),
                         [&range](double tick) { return range.contains(tick); });
}

}  // namespace

QString FrequencyTicker::getTickLabel(double tick, const QLocale& locale, QChar, int) {
    return engineeringNumber(tick, locale);
}

QVector<double> FrequencyTicker::createTickVector(double tickStep, const QCPRange& range) {
    spacing_ = Spacing::Decades;
    if (range.lower <= 0.0 || range.upper <= range.lower) {
        return QCPAxisTickerLog::createTickVector(tickStep, range);
    }
    const int powersInside =
        decadeOf(range.upper) - static_cast<int>(std::ceil(std::log10(range.lower) - 1e-9)) + 1;
    if (powersInside >= 2) {
        return QCPAxisTickerLog::createTickVector(tickStep, range);
    }
    QVector<double> ticks = mantissaTicks({1, 2, 5}, range);
    if (countInside(ticks, range) >= kFewestTicks) {
        spacing_ = Spacing::OneTwoFive;
        return ticks;
    }
    ticks = mantissaTicks({1, 2, 3, 4, 5, 6, 7, 8, 9}, range);
    if (countInside(ticks, range) >= kFewestTicks) {
        spacing_ = Spacing::EveryMantissa;
        return ticks;
    }
    spacing_ = Spacing::Linear;
    return QCPAxisTicker::createTickVector(tickStep, range);
}

int FrequencyTicker::getSubTickCount(double tickStep) {
    switch (spacing_) {
        case Spacing::Decades:
            return QCPAxisTickerLog::getSubTickCount(tickStep);
        case Spacing::Linear:
            return QCPAxisTicker::getSubTickCount(tickStep);
        case Spacing::OneTwoFive:
        case Spacing::EveryMantissa:
            break;
    }
    return 0;
}

QVector<double> FrequencyTicker::createSubTickVector(int subTickCount,
                                                     const QVector<double>& ticks) {
    if (spacing_ != Spacing::OneTwoFive) {
        return QCPAxisTicker::createSubTickVector(subTickCount, ticks);
    }
    // Between 1-2-5 ticks the sub-grid falls on the remaining mantissas, as on
    // logarithmic paper.
    QVector<double> subTicks;
    if (ticks.size() < 2) {
        return subTicks;
    }
    for (double tick : mantissaTicks({3, 4, 6, 7, 8, 9}, QCPRange(ticks.front(), ticks.back()))) {
        if (tick > ticks.front() && tick < ticks.back()) {
            subTicks.append(tick);
        }
    }
    return subTicks;
}

QSharedPointer<PreferredStepTicker> PreferredStepTicker::forQuantity(ChartQuantity quantity) {
    if (quantity == ChartQuantity::Gain) {
        return QSharedPointer<PreferredStepTicker>::create(
            std::vector<Step>{{10, 4}, {20, 3}, {40, 3}, {100, 4}, {200, 4}});
    }
    return QSharedPointer<PreferredStepTicker>::create(
        std::vector<Step>{{15, 2}, {30, 2}, {45, 2}, {90, 2}, {180, 3}});
}

double PreferredStepTicker::getTickStep(const QCPRange& range) {
    const double exactStep = range.size() / (mTickCount + 1e-10);
    // Up to twice the exact step: a few ticks fewer, but on lines that mean
    // something.
    const auto step = std::find_if(steps_.cbegin(), steps_.cend(), [exactStep](const Step& s) {
        return s.size >= exactStep && s.size <= 2.0 * exactStep;
    });
    if (step == steps_.cend()) {
        chosen_.reset();
        return QCPAxisTicker::getTickStep(range);
    }
    chosen_ = *step;
    return step->size;
}

int PreferredStepTicker::getSubTickCount(double tickStep) {
    return chosen_ ? chosen_->subTicks : QCPAxisTicker::getSubTickCount(tickStep);
}

}  // namespace tessaron
