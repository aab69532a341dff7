// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/charts/chart_style.h"

#include <QColor>
#include <QFont>
#include <QPen>
#include <QVariant>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <memory>

#include "ui/charts/chart_series.h"
#include "ui/charts/chart_text.h"
#include "ui/charts/chart_tickers.h"

namespace tessaron {

namespace {

// The chart's margins, in percent of its size.
constexpr int kMarginLeftPercent = 1;
constexpr int kMarginTopPercent = 2;
constexpr int kMarginRightPercent = 2;
constexpr int kMarginBottomPercent = 1;

// Widening of the automatic ranges so that points on the edges stay whole.
constexpr double kKeyRangeWidening = 1.04;
constexpr double kValueRangeWidening = 1.08;

constexpr int kAxisLabelPixels = 9;

// The chart's RangeOver, kept on the chart itself so that whoever rescales it
// (a new design, the user's reset of the zoom) covers the same series.
const char* const kRangeOverProperty = "tessaronRangeOver";
const char* const kLowestValueProperty = "tessaronLowestAutoValue";

// Light enough not to compete with the points, the sub-grid lighter still; the
// 0 dB and 0° lines a little darker, as they are what the eye measures from.
const QColor kGridColour(215, 215, 215);
const QColor kSubGridColour(238, 238, 238);
const QColor kZeroLineColour(165, 165, 165);

int percentOf(int length, int percent) {
    return (length * percent + 50) / 100;
}

}  // namespace

void setUpHouseChart(QCustomPlot& chart, const ChartLook& look) {
    chart.setBackground(Qt::white);
    chart.setProperty(kRangeOverProperty, static_cast<int>(look.range));
    chart.legend->setVisible(false);
    chart.plotLayout()->setMargins(QMargins(percentOf(chart.width(), kMarginLeftPercent),
                                            percentOf(chart.height(), kMarginTopPercent),
                                            percentOf(chart.width(), kMarginRightPercent),
                                            percentOf(chart.height(), kMarginBottomPercent)));

    auto* titleElement = new QCPTextElement(&chart, look.title, chart.font());
    titleElement->setTextColor(Qt::black);
    titleElement->setTextFlags(Qt::AlignLeft | Qt::AlignVCenter);
    titleElement->setMargins(QMargins(2, 0, 0, 0));
    chart.plotLayout()->insertRow(0);
    chart.plotLayout()->addElement(0, 0, titleElement);

    QFont labelFont = chart.font();
    labelFont.setPixelSize(kAxisLabelPixels);
    for (QCPAxis* axis : {chart.xAxis, chart.yAxis}) {
        axis->setTickLabelFont(labelFont);
        axis->grid()->setPen(QPen(kGridColour, 0, Qt::SolidLine));
        axis->grid()->setSubGridPen(QPen(kSubGridColour, 0, Qt::SolidLine));
        axis->grid()->setZeroLinePen(QPen(kZeroLineColour, 0, Qt::SolidLine));
        axis->grid()->setSubGridVisible(true);
    }
    if (look.keys == KeyAxis::Frequency) {
        chart.xAxis->setScaleType(QCPAxis::stLogarithmic);
        chart.xAxis->setTicker(QSharedPointer<FrequencyTicker>::create());
        chart.xAxis->setRange(1.0, 1000.0);
    }
    if (look.valueTicker) {
        chart.yAxis->setTicker(look.valueTicker);
    }
    chart.axisRect()->setBackground(Qt::white);
    // Ten thousand antialiased circles cost more than they show.
    chart.setNotAntialiasedElements(QCP::aeScatters);

    new ChartInteraction(chart, look.readout);
}

ChartLook frequencyChartLook(ChartQuantity quantity) {
    return {quantity == ChartQuantity::Gain ? "<Gain>" : "<Phase>", KeyAxis::Frequency,
            PreferredStepTicker::forQuantity(quantity),
            [quantity](double hertz, double value, const QLocale& locale) {
                return readoutText(quantity, hertz, value, locale);
            }};
}

void setUpChart(QCustomPlot& chart, ChartQuantity quantity, const QString& seriesName) {
    setUpHouseChart(chart, frequencyChartLook(quantity));
    addPointSeries(chart, seriesName,
                   quantity == ChartQuantity::Gain ? std::optional<QColor>(Qt::red) : std::nullopt);
}

void autoScale(QCustomPlot& chart) {
    if (chart.property(kRangeOverProperty).toInt() == static_cast<int>(RangeOver::AllSeries)) {
        bool anyPoint = false;
        for (int i = 0; i < chart.graphCount(); ++i) {
            anyPoint = anyPoint || !chart.graph(i)->data()->isEmpty();
        }
        if (!anyPoint) {
            return;
        }
        chart.rescaleAxes(true);
    } else {
        if (chart.graphCount() == 0 || chart.graph(0)->data()->isEmpty()) {
            return;
        }
        chart.graph(0)->rescaleAxes();
    }
    QCPAxis& keys = *chart.xAxis;
    if (keys.scaleType() == QCPAxis::stLogarithmic) {
        // Widened about the geometric centre: about the arithmetic one, the room
        // on a logarithmic axis all goes to the low end and the last points are cut.
        const QCPRange range = keys.range();
        keys.scaleRange(kKeyRangeWidening, std::sqrt(range.lower * range.upper));
    } else {
        keys.scaleRange(kKeyRangeWidening);
    }
    chart.yAxis->scaleRange(kValueRangeWidening);
    if (const QVariant lowest = chart.property(kLowestValueProperty); lowest.isValid()) {
        const QCPRange values = chart.yAxis->range();
        if (values.lower < lowest.toDouble()) {
            chart.yAxis->setRange(lowest.toDouble(), std::max(values.upper, lowest.toDouble() + 1));
        }
    }
}

void setLowestAutoValue(QCustomPlot& chart, std::optional<double> lowest) {
    chart.setProperty(kLowestValueProperty, lowest ? QVariant(*lowest) : QVariant());
}

void linkKeyAxes(QCustomPlot& first, QCustomPlot& second) {
    // Handing a range over makes the other axis announce it in turn; the flag
    // stops that echo before it comes back.
    auto handingOver = std::make_shared<bool>(false);
    const auto follow = [handingOver](QCustomPlot& follower) {
        return [handingOver, &follower](const QCPRange& range) {
            if (*handingOver || follower.xAxis->range() == range) {
                return;
            }
            *handingOver = true;
            follower.xAxis->setRange(range);
            *handingOver = false;
            follower.replot(QCustomPlot::rpQueuedReplot);
        };
    };
    const auto rangeChanged = QOverload<const QCPRange&>::of(&QCPAxis::rangeChanged);
    QObject::connect(first.xAxis, rangeChanged, &second, follow(second));
    QObject::connect(second.xAxis, rangeChanged, &first, follow(first));
}

}  // namespace tessaron
