// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/fast_angle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>
#include <vector>

namespace tessaron {
namespace {

constexpr double kBound = 2e-15;  // rad

double referenceAngle(double x, double y) {
    const double a = std::atan2(y, x);
    return a < 0 ? a + 2 * std::numbers::pi : a;
}

// Every octant, the boundaries between them, the reduction boundary
// tan(pi/8), the axes and magnitudes far from 1.
TEST(AngleOf, WithinTheBoundOnEdgesOfTheRange) {
    const double t8 = std::tan(std::numbers::pi / 8);
    const std::vector<std::pair<double, double>> points = {
        {1, 0},       {1, -0.0},       {0, 1},
        {-1, 0},      {-1, -0.0},      {0, -1},
        {1, 1},       {-1, 1},         {-1, -1},
        {1, -1},      {1, t8},         {1, std::nextafter(t8, 1.0)},
        {t8, 1},      {-t8, -1},       {1, 1e-300},
        {1, -1e-300}, {-1, 1e-300},    {-1, -1e-300},
        {1e-300, 1},  {3e200, -4e200}, {-5e-200, 12e-200},
        {0.6, 0.8},   {-0.8, -0.6},
    };
    for (const auto& [x, y] : points) {
        EXPECT_NEAR(angleOf(x, y), referenceAngle(x, y), kBound) << x << ", " << y;
    }
}

TEST(AngleOf, WithinTheBoundOnRandomPoints) {
    std::mt19937_64 engine(60063);
    std::uniform_real_distribution<double> coordinate(-1, 1);
    std::uniform_real_distribution<double> decade(-30, 30);
    double worst = 0;
    for (int i = 0; i < 500000; ++i) {
        const double scale = std::pow(10.0, decade(engine));
        const double x = coordinate(engine) * scale;
        const double y = coordinate(engine) * scale;
        worst = std::max(worst, std::fabs(angleOf(x, y) - referenceAngle(x, y)));
    }
    EXPECT_LE(worst, kBound);
}

}  // namespace
}  // namespace tessaron
