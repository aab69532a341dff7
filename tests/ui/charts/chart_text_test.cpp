// SPDX-License-Identifier: GPL-3.0-or-later

// How the charts write their numbers: readouts and tick labels.
#include <gtest/gtest.h>

#include <qcustomplot.h>

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QVector>

#include "tests/ui/support/recording_dialogs.h"
#include "ui/charts/chart_text.h"
#include "ui/charts/chart_tickers.h"

namespace tessaron::test {
namespace {

// Tick labels

QStringList labelsInside(QCPAxisTicker& ticker, const QCPRange& range) {
    QVector<double> ticks;
    QVector<double> subTicks;
    QVector<QString> labels;
    ticker.generate(range, QLocale::c(), 'g', 6, ticks, &subTicks, &labels);
    QStringList inside;
    for (qsizetype i = 0; i < ticks.size(); ++i) {
        if (range.contains(ticks[i])) {
            inside << labels[i];
        }
    }
    return inside;
}

struct NumberCase {
    double value;
    const char* text;
};

class EngineeringNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(EngineeringNumber, ReadsAsEngineersWriteIt) {
    EXPECT_EQ(engineeringNumber(GetParam().value, QLocale::c()), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, EngineeringNumber,
    ::testing::Values(NumberCase{10, "10"}, NumberCase{100, "100"}, NumberCase{1000, "1k"},
                      NumberCase{1e4, "10k"}, NumberCase{1e5, "100k"}, NumberCase{1e6, "1M"},
                      NumberCase{1e9, "1G"}, NumberCase{0.5, "0.5"}, NumberCase{1, "1"},
                      NumberCase{2500, "2.5k"}, NumberCase{1050, "1.05k"}, NumberCase{999, "999"},
                      // A decade tick computed a hair short.
                      NumberCase{999.9999999999, "1k"}, NumberCase{std::pow(10.0, 6), "1M"}));

struct ReadoutCase {
    ChartQuantity quantity;
    double hertz;
    double value;
    const char* text;
};

class ReadoutFormat : public ::testing::TestWithParam<ReadoutCase> {};

TEST_P(ReadoutFormat, ThreeDigitsOfFrequencyTwoDecimalsOfValue) {
    const ReadoutCase& c = GetParam();
    EXPECT_EQ(readoutText(c.quantity, c.hertz, c.value, QLocale::c()), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ReadoutFormat,
    ::testing::Values(ReadoutCase{ChartQuantity::Gain, 1000, -3.0103, "1.00 kHz, -3.01 dB"},
                      ReadoutCase{ChartQuantity::Gain, 10, -4.3e-8, "10.0 Hz, 0.00 dB"},
                      ReadoutCase{ChartQuantity::Gain, 1, 0.004, "1.00 Hz, 0.00 dB"},
                      ReadoutCase{ChartQuantity::Phase, 123, 179.19, "123 Hz, 179.19\u00B0"},
                      ReadoutCase{ChartQuantity::Phase, 90001, -0.9, "90.0 kHz, -0.90\u00B0"},
                      // Rounding to three digits moves up a prefix.
                      ReadoutCase{ChartQuantity::Gain, 999.7, -3, "1.00 kHz, -3.00 dB"},
                      ReadoutCase{ChartQuantity::Gain, 9.996, -3, "10.0 Hz, -3.00 dB"},
                      ReadoutCase{ChartQuantity::Gain, 99.96, 0, "100 Hz, 0.00 dB"},
                      ReadoutCase{ChartQuantity::Phase, 1230000, -360, "1.23 MHz, -360.00\u00B0"}));

struct TickCase {
    const char* name;
    QCPRange range;
    QStringList labels;
};

class FrequencyTicks : public ::testing::TestWithParam<TickCase> {};

TEST_P(FrequencyTicks, ZoomedAxesKeepSeveralReadableLabels) {
    FrequencyTicker ticker;
    EXPECT_EQ(labelsInside(ticker, GetParam().range), GetParam().labels);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, FrequencyTicks,
    ::testing::Values(
        TickCase{"whole_sweep", {9.6, 94000}, {"10", "100", "1k", "10k"}},
        TickCase{"up_to_a_megahertz", {1, 1.2e6}, {"1", "10", "100", "1k", "10k", "100k", "1M"}},
        TickCase{"one_decade", {150, 6000}, {"200", "500", "1k", "2k", "5k"}},
        TickCase{"half_a_decade", {1100, 4500}, {"2k", "3k", "4k"}},
        TickCase{"below_one_hertz",
                 {0.15, 0.95},
                 {"0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9"}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(FrequencyTicksZoomedFar, FallBackToEvenStepsWithinOneMantissa) {
    FrequencyTicker ticker;
    const QStringList labels = labelsInside(ticker, QCPRange(1000, 1300));
    ASSERT_GE(labels.size(), 3);
    for (const QString& label : labels) {
        EXPECT_TRUE(label.endsWith('k')) << label.toStdString();
        EXPECT_GE(label.chopped(1).toDouble(), 1.0);
        EXPECT_LE(label.chopped(1).toDouble(), 1.3);
    }
}

struct ValueTickCase {
    const char* name;
    ChartQuantity quantity;
    QCPRange range;
    QStringList labels;
};

class ValueTicks : public ::testing::TestWithParam<ValueTickCase> {};

TEST_P(ValueTicks, FallOnStepsThatMeanSomething) {
    const auto ticker = PreferredStepTicker::forQuantity(GetParam().quantity);
    EXPECT_EQ(labelsInside(*ticker, GetParam().range), GetParam().labels);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, ValueTicks,
    ::testing::Values(
        ValueTickCase{
            "second_order_gain", ChartQuantity::Gain, {-84, 6}, {"-80", "-60", "-40", "-20", "0"}},
        ValueTickCase{"fourth_order_gain",
                      ChartQuantity::Gain,
                      {-168, 6},
                      {"-160", "-120", "-80", "-40", "0"}},
        ValueTickCase{
            "eighth_order_gain", ChartQuantity::Gain, {-345, 10}, {"-300", "-200", "-100", "0"}},
        ValueTickCase{
            "wrapped_phase", ChartQuantity::Phase, {-194, 194}, {"-180", "-90", "0", "90", "180"}},
        ValueTickCase{
            "half_turn", ChartQuantity::Phase, {-7, 187}, {"0", "45", "90", "135", "180"}},
        // Too short for a landmark step: ordinary steps.
        ValueTickCase{
            "flat_phase", ChartQuantity::Phase, {-1, 1}, {"-1", "-0.5", "0", "0.5", "1"}}),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace tessaron::test
