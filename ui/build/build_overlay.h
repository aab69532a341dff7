// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>

#include "studies/cascade_response.h"
#include "studies/tolerance_band.h"

class QCustomPlot;

namespace tessaron {

// What the Build window draws on its tab's own gain and phase charts: the
// standard-value response as a line and the Monte Carlo band under the points.
// The design's points are not touched. Whatever it added goes when it is
// cleared or destroyed.
class BuildOverlay {
  public:
    BuildOverlay(QCustomPlot& gain, QCustomPlot& phase);
    ~BuildOverlay();
    BuildOverlay(const BuildOverlay&) = delete;
    BuildOverlay& operator=(const BuildOverlay&) = delete;

    void showStandard(const ResponseCurves& curves, std::span<const double> frequencies);
    void showBand(const ToleranceBand& band, std::span<const double> frequencies);
    void clearBand();
    void clear();
    // The same, replotting the charts on the next turn of the event loop
    // unless something replots them sooner.
    void withdraw();

    // The names of the series it adds; the band's is its upper edge, whose
    // channel fill graph is the lower one.
    static constexpr const char* kStandardSeries = "Standard values";
    static constexpr const char* kBandSeries = "Tolerance band";

  private:
    QCustomPlot& gain_;
    QCustomPlot& phase_;
};

}  // namespace tessaron
