// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/requirements/candidate_chart.h"

#include <qcustomplot.h>

#include <QPen>
#include <optional>

#include "studies/family_names.h"
#include "ui/charts/chart_limits.h"
#include "ui/charts/chart_series.h"
#include "ui/charts/chart_style.h"
#include "ui/response/family_style.h"

namespace tessaron {
namespace {

// Below twice the attenuation asked for, and some room under it, the curves
// only show how deep the 8th order goes, which the table says.
double lowestShownDb(const RequirementChart& candidates) {
    return 2 * candidates.stopCeiling.gainDb - 10;
}

Qt::PenStyle orderStyle(int order) {
    switch (order) {
        case 2:
            return Qt::DotLine;
        case 4:
            return Qt::DashLine;
        default:
            return Qt::SolidLine;
    }
}

void addCurve(QCustomPlot& chart, const CandidateCurve& curve) {
    const QString name = QString::fromUtf8(familyLabel(curve.family).data()) + ' ' +
                         QString::fromStdString(orderLabel(curve.order));
    QCPGraph& graph = addLineSeries(chart, name, familyColour(curve.family));
    QPen pen = graph.pen();
    pen.setStyle(orderStyle(curve.order));
    graph.setPen(pen);
    setSeriesPoints(graph, curve.points);
    graph.addToLegend();
}

}  // namespace

void setUpCandidateChart(QCustomPlot& chart) {
    ChartLook look = frequencyChartLook(ChartQuantity::Gain);
    look.range = RangeOver::AllSeries;
    setUpHouseChart(chart, look);
    QFont font = chart.font();
    font.setPixelSize(9);
    chart.legend->setFont(font);
    chart.legend->setRowSpacing(-3);
    // A row per family, a column per order, as the table runs.
    chart.legend->setFillOrder(QCPLayoutGrid::foColumnsFirst);
    chart.legend->setWrap(static_cast<int>(kCandidateOrders.size()));
    chart.axisRect()->insetLayout()->setInsetAlignment(0, Qt::AlignLeft | Qt::AlignBottom);
}

void showCandidateChart(QCustomPlot& chart, const RequirementChart& candidates) {
    chart.clearGraphs();
    removeLimitBoxes(chart);
    for (const CandidateCurve& curve : candidates.curves) {
        addCurve(chart, curve);
    }
    const bool shown = !candidates.curves.empty();
    if (shown) {
        addLimitBox(chart, {LimitCorner::LowerLeft, candidates.passFloor.toHz,
                            candidates.passFloor.gainDb});
        addLimitBox(chart, {LimitCorner::UpperRight, candidates.stopCeiling.fromHz,
                            candidates.stopCeiling.gainDb});
    }
    chart.legend->setVisible(shown);
    setLowestAutoValue(chart, shown ? std::optional(lowestShownDb(candidates)) : std::nullopt);
    redraw(chart);
}

}  // namespace tessaron
