// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/standard_value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace tessaron {
namespace {

struct RoundingCase {
    double value;
    Series series;
    int significand;
    int exponent;
    double expected;  // the literal the part is marked with
};

void expectRounds(const std::vector<RoundingCase>& cases) {
    for (const RoundingCase& c : cases) {
        const RoundedValue r = nearestStandardValue(c.value, c.series);
        SCOPED_TRACE(testing::Message() << c.value << " in " << seriesName(c.series));
        ASSERT_EQ(r.fault, ValueFault::None);
        EXPECT_EQ(r.standard.significand, c.significand);
        EXPECT_EQ(r.standard.exponent, c.exponent);
        // Bit for bit the double of the literal: the text and the value agree.
        EXPECT_EQ(r.standard.value, c.expected);
    }
}

TEST(NearestStandardValue, PicksTheNeighbourNearestOnALogScale) {
    expectRounds({
        {3.37618723034643e-8, Series::E12, 33, -9, 33e-9},    // 33 < 33.76 < sqrt(33*39)
        {7.50263364629376e-9, Series::E12, 82, -10, 8.2e-9},  // sqrt(68*82) = 74.67 <= 75.03
        {7.50263364629376e-9, Series::E24, 75, -10, 7.5e-9},
        {10000, Series::E24, 10, 3, 1e4},
        {10000, Series::E192, 100, 2, 1e4},
        {11253.9504694406, Series::E24, 11, 3, 11e3},
        {11253.9504694406, Series::E96, 113, 2, 11.3e3},
        {888.5763127, Series::E48, 909, 0, 909},  // sqrt(866*909) = 887.2
        {2.533029591e-7, Series::E6, 22, -8, 0.22e-6},
        {0.2533029591, Series::E12, 27, -2, 0.27},
        {1, Series::E24, 10, -1, 1.0},
        {0.97, Series::E24, 10, -1, 1.0},  // above sqrt(0.91 * 1.0): the next decade's first
        {9.6e5, Series::E12, 10, 5, 1e6},
    });
}

// Far from 1 the value is scaled into its decade by one rounded operation, so
// the cases sit a relative 1e-9 off the midpoint, far beyond that rounding.
TEST(NearestStandardValue, DecadesFarFromOne) {
    const double near = 1 + 1e-9;
    const double mid47and51 = std::sqrt(4.7 * 5.1);  // E24
    expectRounds({
        {4.7e-12, Series::E6, 47, -13, 4.7e-12},
        {4.7e-12 * near, Series::E12, 47, -13, 4.7e-12},
        {mid47and51 * 1e-12 * near, Series::E24, 51, -13, 5.1e-12},
        {mid47and51 * 1e-12 / near, Series::E24, 47, -13, 4.7e-12},
        {mid47and51 * 1e15 * near, Series::E24, 51, 14, 5.1e15},
        {mid47and51 * 1e15 / near, Series::E24, 47, 14, 4.7e15},
        {1e-20, Series::E6, 10, -21, 1e-20},
        {1e-20, Series::E192, 100, -22, 1e-20},
        {5.62e-19, Series::E96, 562, -21, 5.62e-19},
        {9.99e20, Series::E12, 10, 20, 1e21},  // rounds up out of the last decade
        {8.25e20, Series::E48, 825, 18, 8.25e20},
        {3.3e6, Series::E6, 33, 5, 3.3e6},
        {1.5e-3, Series::E6, 15, -4, 1.5e-3},
    });
}

// A value within ulps of a power of ten is the power of ten, whichever decade
// log10 puts it in.
TEST(NearestStandardValue, PowersOfTenFromEitherSide) {
    for (double power : {1e-19, 1e-12, 1e-9, 0.1, 1.0, 1e3, 1e6, 1e20}) {
        for (double v : {std::nextafter(power, 0.0), power, std::nextafter(power, 1e300)}) {
            const RoundedValue r = nearestStandardValue(v, Series::E96);
            ASSERT_EQ(r.fault, ValueFault::None) << v;
            EXPECT_EQ(r.standard.value, power) << v;
            EXPECT_EQ(r.standard.significand, 100) << v;
        }
    }
}

// At sqrt(a * b) in the series' own units the value goes up to b; one ulp
// below it, down to a. That decade needs no scaling, so the rule is exact.
TEST(NearestStandardValue, GeometricMidpointGoesUpAndJustBelowGoesDown) {
    struct Gap {
        Series series;
        int a;
        int b;  // 100 or 1000: the first value of the next decade
    };
    const std::vector<Gap> gaps = {
        {Series::E6, 10, 15},      {Series::E6, 68, 100},   {Series::E12, 82, 100},
        {Series::E24, 47, 51},     {Series::E24, 27, 30},   {Series::E24, 91, 100},
        {Series::E48, 953, 1000},  {Series::E96, 100, 102}, {Series::E192, 909, 920},
        {Series::E192, 988, 1000},
    };
    for (const Gap& g : gaps) {
        SCOPED_TRACE(testing::Message() << seriesName(g.series) << " " << g.a << "-" << g.b);
        const bool wraps = g.b == 100 || g.b == 1000;
        const double midpoint = std::sqrt(static_cast<double>(g.a * g.b));
        const RoundedValue at = nearestStandardValue(midpoint, g.series);
        EXPECT_EQ(at.standard.significand, wraps ? g.b / 10 : g.b);
        EXPECT_EQ(at.standard.exponent, wraps ? 1 : 0);
        const RoundedValue below = nearestStandardValue(std::nextafter(midpoint, 0.0), g.series);
        EXPECT_EQ(below.standard.significand, g.a);
        EXPECT_EQ(below.standard.exponent, 0);
    }
}

TEST(NearestStandardValue, ValuesThatCannotBeRoundedSayWhy) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double value;
        ValueFault fault;
    } cases[] = {
        {std::numeric_limits<double>::quiet_NaN(), ValueFault::NotANumber},
        {inf, ValueFault::Infinite},
        {-inf, ValueFault::Infinite},
        {0.0, ValueFault::Zero},
        {-0.0, ValueFault::Zero},
        {-4.7e3, ValueFault::Negative},
        {9.99e-21, ValueFault::OutsideDecades},
        {std::numeric_limits<double>::denorm_min(), ValueFault::OutsideDecades},
        {1e21, ValueFault::OutsideDecades},
        {std::numeric_limits<double>::max(), ValueFault::OutsideDecades},
    };
    for (const auto& c : cases) {
        for (Series series : {Series::E6, Series::E96}) {
            const RoundedValue r = nearestStandardValue(c.value, series);
            EXPECT_EQ(r.fault, c.fault) << c.value;
            // Nothing of a faulty value travels on, least of all a NaN.
            EXPECT_EQ(r.standard.value, 0.0) << c.value;
            EXPECT_FALSE(faultText(r.fault).empty());
        }
    }
}

// "exact" keeps any positive finite value as it is, range or not, and still
// refuses what no part can be.
TEST(NearestStandardValue, ExactKeepsTheValue) {
    for (double v : {5.63928351374504e-9, 1e-30, 1e30, 10000.0}) {
        const RoundedValue r = nearestStandardValue(v, Series::Exact);
        EXPECT_EQ(r.fault, ValueFault::None);
        EXPECT_EQ(r.standard.value, v);
        EXPECT_FALSE(r.standard.fromSeries());
    }
    EXPECT_EQ(nearestStandardValue(0.0, Series::Exact).fault, ValueFault::Zero);
    EXPECT_EQ(nearestStandardValue(-1.0, Series::Exact).fault, ValueFault::Negative);
}

}  // namespace
}  // namespace tessaron
