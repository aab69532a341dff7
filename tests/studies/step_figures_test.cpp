// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/step_figures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "studies/step_response.h"
#include "tests/cascades.h"

namespace tessaron {
namespace {

std::vector<PlotPoint> samples(std::initializer_list<double> values, double scale = 1) {
    std::vector<PlotPoint> points;
    for (const double v : values) {
        points.push_back({static_cast<double>(points.size()), scale * v});
    }
    return points;
}

// Hand-made responses whose figures follow from the definitions: crossings
// on the straight line between samples, settling where the band is left for
// the last time.
TEST(StepFigures, Definitions) {
    const struct {
        const char* name;
        std::vector<PlotPoint> response;
        double finalValue;
        double overshoot;
        std::optional<double> rise;
        std::optional<double> settling1;
        std::optional<double> settling01;
    } cases[] = {
        // Crest on a sample between equal neighbours; 10 % and 90 % between
        // the first two samples; leaves +-1 % between t = 2 and 3 (1.02 down to
        // 0.995, through 1.01 at 2.4) and +-0.1 % between 3 and 4 (0.995 up to
        // 1.0005, through 0.999).
        {"rings", samples({0, 0.995, 1.02, 0.995, 1.0005, 1}), 1, 2, 0.8 / 0.995, 2.4,
         3 + 0.004 / 0.0055},
        {"inverted", samples({0, 0.995, 1.02, 0.995, 1.0005, 1}, -1), -1, 2, 0.8 / 0.995, 2.4,
         3 + 0.004 / 0.0055},
        {"scaled", samples({0, 0.995, 1.02, 0.995, 1.0005, 1}, 3), 3, 2, 0.8 / 0.995, 2.4,
         3 + 0.004 / 0.0055},
        // Rises without overshoot: settles where it enters the bands from below.
        {"creeps", samples({0, 0.6, 0.98, 0.998, 1}), 1, 0, 1 + 0.3 / 0.38 - 0.1 / 0.6,
         2 + 0.01 / 0.018, 3.5},
        // 10 % and 90 % between the same two samples; the largest sample is the
        // last; still outside +-0.1 % there, so no settling time for that band.
        {"unsettled", samples({0, 0.95, 1.005}), 1, 0.5, 0.8 / 0.95, 1 + 0.04 / 0.055,
         std::nullopt},
        // Never reaches 90 %.
        {"slow", samples({0, 0.3, 0.6}), 1, 0, std::nullopt, std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const StepFigures figures = stepFigures(c.response, c.finalValue);
        EXPECT_NEAR(figures.overshootPercent, c.overshoot, 1e-12);
        const auto expectTime = [](const std::optional<double>& actual,
                                   const std::optional<double>& expected) {
            ASSERT_EQ(actual.has_value(), expected.has_value());
            if (expected) {
                EXPECT_NEAR(*actual, *expected, 1e-12);
            }
        };
        expectTime(figures.riseTime, c.rise);
        expectTime(figures.settlingTime1, c.settling1);
        expectTime(figures.settlingTime01, c.settling01);
    }
}

// The overshoot is read from the crest between samples: samples of a parabola
// peaking at 1.05 between them give 5 %.
TEST(StepFigures, OvershootAtTheCrestBetweenSamples) {
    std::vector<PlotPoint> response;
    for (double t = 0; t < 6; ++t) {
        response.push_back({t, 1.05 - 0.01 * (t - 2.3) * (t - 2.3)});
    }
    EXPECT_NEAR(stepFigures(response, 1).overshootPercent, 5, 1e-12);
}

StepFigures prototypeFigures(const CoefficientTables& tables, FilterFamily family, int order) {
    const auto cascade = testing::prototypeCascade(tables, family, order, 1000);
    return stepFigures(stepResponse(cascade, settlingSpan(cascade), 10000), finalValue(cascade));
}

// A single stage overshoots by exp(-pi / sqrt(4 Q^2 - 1)): 4.32 % for the
// Butterworth Q 0.707107, 0.43 % for the Bessel Q 0.57735.
TEST(StepFigures, SecondOrderOvershoot) {
    CoefficientTables tables;
    tables.Fill();
    const struct {
        FilterFamily family;
        double q;
        double rounded;
    } cases[] = {{Butterworth, 0.707107, 4.3}, {Bessel, 0.57735, 0.4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.family);
        const double exact = 100 * std::exp(-std::numbers::pi / std::sqrt(4 * c.q * c.q - 1));
        const double overshoot = prototypeFigures(tables, c.family, 2).overshootPercent;
        EXPECT_NEAR(overshoot, exact, 1e-9);
        EXPECT_NEAR(overshoot, c.rounded, 0.05);
    }
}

TEST(StepFigures, ChebyshevOvershootsMoreThanButterworth) {
    CoefficientTables tables;
    tables.Fill();
    for (const int order : {2, 4, 8}) {
        SCOPED_TRACE(order);
        EXPECT_GT(prototypeFigures(tables, Chebyshev, order).overshootPercent,
                  prototypeFigures(tables, Butterworth, order).overshootPercent + 1);
        EXPECT_LT(prototypeFigures(tables, Bessel, order).overshootPercent, 1);
    }
}

}  // namespace
}  // namespace tessaron
