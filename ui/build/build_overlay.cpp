// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/build/build_overlay.h"

#include <qcustomplot.h>

#include <QColor>
#include <cmath>
#include <vector>

#include "analysis/plot_series.h"
#include "ui/charts/chart_series.h"

namespace tessaron {
namespace {

// Apart from the red gain points and the phase chart's default blue.
const QColor kStandardColour(0, 140, 70);
const QColor kBandColour(240, 150, 0);

// The libraries' curves as chart points; curves of another length than the
// frequencies are not drawn at all.
std::vector<PlotPoint> plotPoints(std::span<const double> frequencies,
                                  std::span<const double> values) {
    std::vector<PlotPoint> points;
    if (values.size() != frequencies.size()) {
        return points;
    }
    points.reserve(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        points.push_back({frequencies[i], values[i]});
    }
    return points;
}

// The displayed phase wraps by a whole turn where it passes -180 degrees; a
// line joining the two sides would draw a vertical stroke the circuit does not
// have, so the curve goes to the chart in pieces that end there. Neighbours on
// the grid are never half a turn apart otherwise.
CurvePieces phasePieces(std::span<const double> frequencies, std::span<const double> degrees) {
    constexpr double kHalfTurn = 180;
    CurvePieces pieces(1);
    for (const PlotPoint& point : plotPoints(frequencies, degrees)) {
        if (!pieces.back().empty() && std::abs(point.y - pieces.back().back().y) > kHalfTurn) {
            pieces.emplace_back();
        }
        pieces.back().push_back(point);
    }
    return pieces;
}

// Beside the design's own series, which stays the chart's first: the readout,
// the range and the run's hand-over keep working on the design's points alone.
void showLine(QCustomPlot& chart, const CurvePieces& pieces) {
    if (findSeries(chart, BuildOverlay::kStandardSeries) == nullptr) {
        addLineSeries(chart, BuildOverlay::kStandardSeries, kStandardColour);
    }
    ChartSeries(chart, BuildOverlay::kStandardSeries).setPieces(pieces);
}

void showBandOn(QCustomPlot& chart, const CurvePieces& low, const CurvePieces& high) {
    if (findSeries(chart, BuildOverlay::kBandSeries) == nullptr) {
        addBand(chart, BuildOverlay::kBandSeries, kBandColour);
    }
    ChartBand(chart, BuildOverlay::kBandSeries).setPieces(low, high);
}

void remove(QCustomPlot& chart, const char* name,
            QCustomPlot::RefreshPriority when = QCustomPlot::rpRefreshHint) {
    if (removeSeries(chart, name)) {
        chart.replot(when);
    }
}

}  // namespace

BuildOverlay::BuildOverlay(QCustomPlot& gain, QCustomPlot& phase) : gain_(gain), phase_(phase) {}

BuildOverlay::~BuildOverlay() {
    clear();
}

void BuildOverlay::showStandard(const ResponseCurves& curves, std::span<const double> frequencies) {
    showLine(gain_, {plotPoints(frequencies, curves.gainDb)});
    showLine(phase_, phasePieces(frequencies, curves.phaseDeg));
}

void BuildOverlay::showBand(const ToleranceBand& band, std::span<const double> frequencies) {
    showBandOn(gain_, {plotPoints(frequencies, band.gainLowDb)},
               {plotPoints(frequencies, band.gainHighDb)});
    showBandOn(phase_, phasePieces(frequencies, band.phaseLowDeg),
               phasePieces(frequencies, band.phaseHighDeg));
}

void BuildOverlay::clearBand() {
    remove(gain_, kBandSeries);
    remove(phase_, kBandSeries);
}

void BuildOverlay::clear() {
    clearBand();
    remove(gain_, kStandardSeries);
    remove(phase_, kStandardSeries);
}

void BuildOverlay::withdraw() {
    for (QCustomPlot* chart : {&gain_, &phase_}) {
        for (const char* name : {kBandSeries, kStandardSeries}) {
            remove(*chart, name, QCustomPlot::rpQueuedReplot);
        }
    }
}

}  // namespace tessaron
