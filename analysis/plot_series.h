#pragma once

#include <vector>

namespace tessaron {

struct PlotPoint {
    double x;  // frequency in Hz
    double y;  // gain in dB or phase in degrees
};

// One chart series. A sweep clears it, then hands it all its points in one call,
// so the chart is never redrawn point by point.
class PlotSeries {
  public:
    virtual ~PlotSeries() = default;
    virtual void clear() = 0;
    virtual void setPoints(std::vector<PlotPoint> points) = 0;
};

}  // namespace tessaron
