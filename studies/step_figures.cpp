// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/step_figures.h"

#include <algorithm>
#include <cmath>

namespace tessaron {
namespace {

class Normalized {
  public:
    Normalized(std::span<const PlotPoint> response, double finalValue)
        : response_(response), finalValue_(finalValue) {}

    std::size_t size() const { return response_.size(); }
    double operator[](std::size_t i) const { return response_[i].y / finalValue_; }
    double time(std::size_t i) const { return response_[i].x; }

    // The time at which the straight line from sample i to sample i + 1
    // passes `level`.
    double crossing(std::size_t i, double level) const {
        const double a = (*this)[i];
        const double b = (*this)[i + 1];
        return time(i) + (level - a) / (b - a) * (time(i + 1) - time(i));
    }

    // Where the response first reaches `level` at or after sample `from`, with
    // the index of the first sample at or above it.
    std::optional<std::pair<double, std::size_t>> firstReach(double level, std::size_t from) const {
        for (std::size_t i = from; i < size(); ++i) {
            if ((*this)[i] >= level) {
                return std::pair{i == 0 ? time(0) : crossing(i - 1, level), i};
            }
        }
        return std::nullopt;
    }

    // The largest value: at the largest sample, or where the parabola through
    // it and its two neighbours peaks. The parabola makes the figure as good as
    // a sampling several times finer would, so it hardly depends on the span.
    double crest() const {
        std::size_t top = 0;
        for (std::size_t i = 1; i < size(); ++i) {
            if ((*this)[i] > (*this)[top]) {
                top = i;
            }
        }
        const double y = (*this)[top];
        if (top == 0 || top + 1 == size()) {
            return y;
        }
        // y + a h^2 + b h through the neighbours at offsets h0 < 0 < h2.
        const double h0 = time(top - 1) - time(top);
        const double h2 = time(top + 1) - time(top);
        const double s0 = ((*this)[top - 1] - y) / h0;
        const double s2 = ((*this)[top + 1] - y) / h2;
        const double a = (s0 - s2) / (h0 - h2);
        const double b = s0 - a * h0;
        return a < 0 ? y - b * b / (4 * a) : y;
    }

    std::optional<double> settlingTime(double band) const {
        std::size_t last = size();
        for (std::size_t i = size(); i-- > 0;) {
            if (std::fabs((*this)[i] - 1) > band) {
                last = i;
                break;
            }
        }
        if (last == size()) {
            return time(0);
        }
        if (last + 1 == size()) {
            return std::nullopt;
        }
        return crossing(last, (*this)[last] > 1 ? 1 + band : 1 - band);
    }

  private:
    std::span<const PlotPoint> response_;
    double finalValue_;
};

}  // namespace

StepFigures stepFigures(std::span<const PlotPoint> response, double finalValue) {
    const Normalized r(response, finalValue);
    StepFigures figures{};
    if (r.size() == 0) {
        return figures;
    }
    figures.overshootPercent = std::max(0.0, r.crest() - 1) * 100;
    if (const auto low = r.firstReach(0.1, 0)) {
        if (const auto high = r.firstReach(0.9, low->second)) {
            figures.riseTime = high->first - low->first;
        }
    }
    figures.settlingTime1 = r.settlingTime(0.01);
    figures.settlingTime01 = r.settlingTime(0.001);
    return figures;
}

}  // namespace tessaron
