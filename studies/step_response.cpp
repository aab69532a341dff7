// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/step_response.h"

#include <Eigen/Core>
#include <cmath>
#include <limits>
#include <unsupported/Eigen/MatrixFunctions>

namespace tessaron {
namespace {

// The decay rate (1/s) of the stage's slower pole: from Q = 1/2 up both poles
// have the real part -b1 / 2; below, they are two real poles.
double slowerPoleDecay(const Biquad& stage) {
    const double w0 = std::sqrt(stage.b0);
    const double inverseQ = stage.b1 / w0;
    if (inverseQ < 2) {
        return stage.b1 / 2;
    }
    // (b1 - sqrt(b1^2 - 4 b0)) / 2 without the cancellation.
    return w0 * 2 / (inverseQ + std::sqrt(inverseQ * inverseQ - 4));
}

// Settling to 0.1 % of the final value.
const double kSettledLog = std::log(1000.0);
constexpr double kSpanMargin = 1.5;

}  // namespace

double finalValue(std::span<const Biquad> cascade) {
    double value = 1;
    for (const Biquad& stage : cascade) {
        value *= stage.k / stage.b0;
    }
    return value;
}

double settlingSpan(std::span<const Biquad> cascade) {
    double slowest = std::numeric_limits<double>::infinity();
    for (const Biquad& stage : cascade) {
        slowest = std::min(slowest, slowerPoleDecay(stage));
    }
    return kSpanMargin * kSettledLog / slowest;
}

std::vector<PlotPoint> stepResponse(std::span<const Biquad> cascade, double span, int points) {
    // Each stage's state is its output y and y' / w0; scaled so, every entry of
    // A is of the order of w0 and the exponential needs few squarings.
    //   y'        = w0 (y' / w0)
    //   (y'/w0)'  = -w0 y - b1 (y' / w0) + (k / w0) u
    // Stage i's input u is stage i - 1's output, the step for stage 0: so A is
    // block lower-bidiagonal (each stage's row also reaches back into the
    // previous stage's block), not block-diagonal. The step enters as an extra
    // constant state u = 1, so exp([[A, B], [0, 0]] dt) holds Phi = exp(A dt)
    // and Gamma = integral of exp(A s) B over one step, and x(n+1) = Phi x(n) +
    // Gamma is exact for the held input.
    const auto stages = static_cast<Eigen::Index>(cascade.size());
    const Eigen::Index size = 2 * stages;
    Eigen::MatrixXd augmented = Eigen::MatrixXd::Zero(size + 1, size + 1);
    for (Eigen::Index i = 0; i < stages; ++i) {
        const Biquad& stage = cascade[static_cast<std::size_t>(i)];
        const double w0 = std::sqrt(stage.b0);
        const Eigen::Index y = 2 * i;
        const Eigen::Index v = y + 1;
        augmented(y, v) = w0;
        augmented(v, y) = -w0;
        augmented(v, v) = -stage.b1;
        augmented(v, i == 0 ? size : y - 2) = stage.k / w0;
    }
    const double step = span / (points - 1);
    const Eigen::MatrixXd transition = (augmented * step).exp();
    const Eigen::MatrixXd phi = transition.topLeftCorner(size, size);
    const Eigen::VectorXd gamma = transition.topRightCorner(size, 1);

    std::vector<PlotPoint> response;
    response.reserve(static_cast<std::size_t>(points));
    response.push_back({0, 0});
    Eigen::VectorXd state = Eigen::VectorXd::Zero(size);
    Eigen::VectorXd next(size);
    for (int n = 1; n < points; ++n) {
        next.noalias() = phi * state;
        next += gamma;
        state.swap(next);
        response.push_back({span * n / (points - 1), state(size - 2)});
    }
    return response;
}

}  // namespace tessaron
