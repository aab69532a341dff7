// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/step_response.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "studies/step_figures.h"
#include "tests/cascades.h"

namespace tessaron {
namespace {

constexpr double kW0 = 2 * std::numbers::pi * 1000;
constexpr int kPoints = 10000;

using testing::lowPass;

// The unit-step response of w0^2 / (s^2 + (w0 / Q) s + w0^2), in closed form.
double exactStep(double w0, double q, double t) {
    const double sigma = w0 / (2 * q);
    if (q > 0.5) {
        const double wd = w0 * std::sqrt(1 - 1 / (4 * q * q));
        return 1 - std::exp(-sigma * t) * (std::cos(wd * t) + sigma / wd * std::sin(wd * t));
    }
    if (q == 0.5) {
        return 1 - (1 + w0 * t) * std::exp(-w0 * t);
    }
    const double root = w0 * std::sqrt(1 / (4 * q * q) - 1);
    const double slow = sigma - root;
    const double fast = sigma + root;
    return 1 - (fast * std::exp(-slow * t) - slow * std::exp(-fast * t)) / (fast - slow);
}

double largestError(const std::vector<PlotPoint>& response, auto&& exact) {
    double error = 0;
    for (const PlotPoint& p : response) {
        error = std::max(error, std::fabs(p.y - exact(p.x)));
    }
    return error;
}

TEST(StepResponse, OneStageMatchesTheClosedForm) {
    for (const double q : {0.2, 0.5, 0.57735, 0.707107, 2.94055, 11.5308}) {
        for (const double gain : {1.0, -1.0}) {
            SCOPED_TRACE(::testing::Message() << "Q " << q << ", gain " << gain);
            const Biquad stage = lowPass(kW0, q, gain);
            const auto response =
                stepResponse(std::span(&stage, 1), settlingSpan(std::span(&stage, 1)), kPoints);
            ASSERT_EQ(response.size(), static_cast<std::size_t>(kPoints));
            EXPECT_EQ(response.front().x, 0);
            EXPECT_EQ(response.front().y, 0);
            EXPECT_LT(largestError(response, [&](double t) { return gain * exactStep(kW0, q, t); }),
                      1e-12);
        }
    }
}

// Two critically damped stages make a fourfold pole: 1 - e^-x (1 + x + x^2/2 +
// x^3/6) with x = w0 t. One stage alone, or stages fed in parallel, fall far
// from it; the gains multiply along the chain.
TEST(StepResponse, StagesFeedOneAnother) {
    const Biquad stages[] = {lowPass(kW0, 0.5, -1), lowPass(kW0, 0.5, 2)};
    const auto response = stepResponse(stages, 20 / kW0, kPoints);
    EXPECT_LT(largestError(response,
                           [](double t) {
                               const double x = kW0 * t;
                               return -2 * (1 - std::exp(-x) * (1 + x + x * x / 2 + x * x * x / 6));
                           }),
              1e-12);
}

// A cascade of linear stages gives the same output in any order.
TEST(StepResponse, StageOrderDoesNotMatter) {
    CoefficientTables tables;
    tables.Fill();
    auto cascade = testing::prototypeCascade(tables, Chebyshev, 8, 1000);
    const double span = settlingSpan(cascade);
    const auto forward = stepResponse(cascade, span, kPoints);
    std::reverse(cascade.begin(), cascade.end());
    const auto backward = stepResponse(cascade, span, kPoints);
    for (std::size_t i = 0; i < forward.size(); ++i) {
        ASSERT_NEAR(forward[i].y, backward[i].y, 1e-10) << i;
    }
}

TEST(StepResponse, EndsAtTheProductOfTheDcGains) {
    CoefficientTables tables;
    tables.Fill();
    for (const FilterFamily family : {Butterworth, Bessel, Chebyshev}) {
        for (const int order : {2, 4, 8}) {
            for (const bool inverting : {false, true}) {
                SCOPED_TRACE(::testing::Message() << "family " << family << ", order " << order
                                                  << (inverting ? ", inverting" : ""));
                const auto cascade =
                    testing::prototypeCascade(tables, family, order, 1000, inverting);
                const double expected = inverting && stageCount(order) % 2 == 1 ? -1 : 1;
                EXPECT_EQ(finalValue(cascade), expected);
                const auto response = stepResponse(cascade, settlingSpan(cascade), kPoints);
                EXPECT_NEAR(response.back().y, expected, 1e-3);
            }
        }
    }
}

// The span rule alone lets single stages of every damping and every prototype
// cascade settle to 0.1 % within nine tenths of the span.
TEST(StepResponse, SpanRuleLeavesTheResponseSettled) {
    CoefficientTables tables;
    tables.Fill();
    std::vector<std::vector<Biquad>> cascades;
    for (const double q : {0.05, 0.3, 0.5, 0.57735, 0.707107, 11.5308}) {
        cascades.push_back({lowPass(kW0, q)});
    }
    for (const FilterFamily family : {Butterworth, Bessel, Chebyshev}) {
        for (const int order : {2, 4, 6, 8}) {
            cascades.push_back(testing::prototypeCascade(tables, family, order, 1000));
        }
    }
    for (const auto& cascade : cascades) {
        SCOPED_TRACE(::testing::Message() << cascade.size() << " stages, Q of the first "
                                          << std::sqrt(cascade[0].b0) / cascade[0].b1);
        const double span = settlingSpan(cascade);
        const StepFigures figures =
            stepFigures(stepResponse(cascade, span, kPoints), finalValue(cascade));
        ASSERT_TRUE(figures.settlingTime01.has_value());
        EXPECT_LE(*figures.settlingTime01, 0.9 * span);
    }
}

}  // namespace
}  // namespace tessaron
