// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <utility>
#include <vector>

#include "mathlib/fp_guard.h"

namespace tessaron {

struct PlotPoint {
    double x;  // frequency in Hz
    double y;  // gain in dB or phase in degrees
};

// One chart series. A sweep clears it, then hands it all its points in one call,
// so the chart is never redrawn point by point. The sweep calls it from inside
// its run's Guard: the chart runs as a foreign call (mathlib/fp_guard.h).
class PlotSeries {
  public:
    virtual ~PlotSeries() = default;
    void clear() {
        fp::ForeignCall foreign;
        doClear();
    }
    void setPoints(std::vector<PlotPoint> points) {
        fp::ForeignCall foreign;
        doSetPoints(std::move(points));
    }

  private:
    virtual void doClear() = 0;
    virtual void doSetPoints(std::vector<PlotPoint> points) = 0;
};

// Where a sweep puts one frequency response: its gain and its phase series. On
// a tab these are same-named series of the gain and the phase chart; a further
// response (another family, a reference) is another pair beside them.
struct ResponseSeries {
    PlotSeries& gain;
    PlotSeries& phase;
};

}  // namespace tessaron
