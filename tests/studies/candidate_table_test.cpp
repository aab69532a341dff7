// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/candidate_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "mathlib/fp_guard.h"
#include "studies/requirement_chart.h"

namespace tessaron {
namespace {

class CandidateTableTest : public ::testing::Test {
  protected:
    void SetUp() override { tables.Fill(); }

    // The row of `family` and `order` in the table's order.
    static const Candidate& row(const std::vector<Candidate>& table, FilterFamily family,
                                int order) {
        const int i = (family - Butterworth) * 3 + (order == 2 ? 0 : order == 4 ? 1 : 2);
        return table.at(static_cast<std::size_t>(i));
    }

    CoefficientTables tables;
};

using R = Requirement;

// fp = 1 kHz, Ap = 1 dB, fs = 4 kHz, As = 40 dB. The classic order:
//   n >= log((10^4 - 1) / (10^0.1 - 1)) / (2 log 4) = log(38617) / 1.20412 = 3.809,
// so of 2, 4 and 8 the 4th order is the lowest that meets both edges. With
// loss(x) = 10 log10(1 + x^2n), x = f / fc, the margins are equal where
//   (1 + y) (1 + 4^2n y) = 10^((Ap + As) / 10), y = (fp / fc)^2n;
// for n = 4: 65536 y^2 + 65537 y - 12588.254 = 0, y = 0.164890,
// fc = fp y^(-1/8) = 1252.710 Hz, both margins 1 - 10 log10(1.164890) = 0.33715 dB.
TEST_F(CandidateTableTest, ButterworthMeetsTheClassicOrderAtTheClosedFormCutoff) {
    const auto table = candidateTable(tables, {1000, 1, 4000, 40, {}, {}});
    for (const int n : kCandidateOrders) {
        SCOPED_TRACE(n);
        const double b = std::pow(4.0, 2 * n);
        const double k = std::pow(10.0, 41.0 / 10);
        const double y = (-(1 + b) + std::sqrt((1 + b) * (1 + b) + 4 * b * (k - 1))) / (2 * b);
        const Candidate& c = row(table, Butterworth, n);
        EXPECT_NEAR(c.fc / (1000 * std::pow(y, -1.0 / (2 * n))), 1, 1e-6);
        EXPECT_NEAR(c.passMarginDb, 1 - 10 * std::log10(1 + y), 1e-5);
        EXPECT_NEAR(c.stopMarginDb, c.passMarginDb, 1e-9);
        EXPECT_EQ(c.lowestPassing, n == 4);
        EXPECT_EQ(c.failed, n == 2 ? (std::vector{R::PassBand, R::StopBand}) : std::vector<R>{});
    }
}

// fp = 1 kHz, Ap = 1 dB, fs = 2 kHz, As = 40 dB. The tables' Chebyshev has
// 0.5 dB of ripple, eps^2 = 10^0.05 - 1 = 0.12202, and unit gain at DC: it
// loses 10 log10((1 + eps^2 T_n(x)^2) / (1 + eps^2)) at x = f / fc. The pass
// band loses at most Ap up to x_p = cosh(acosh(1.83873) / n), where
// 1.83873 = sqrt(((1 + eps^2) 10^0.1 - 1) / eps^2); the stop band needs
// T_n(2 x_p) >= sqrt(((1 + eps^2) 10^4 - 1) / eps^2) = 303.23.
//   n = 4: x_p = 1.04675, T_4(2.0935) = 119.6: no fc meets both;
//   n = 8: x_p = 1.01162, T_8(2.0232) = 20932: the lowest order that does.
TEST_F(CandidateTableTest, ChebyshevNeedsTheEighthOrderAndFollowsItsFormula) {
    const auto table = candidateTable(tables, {1000, 1, 2000, 40, {}, {}});
    const double eps2 = std::pow(10.0, 0.05) - 1;
    const auto loss = [&](int n, double x) {
        const double t = x <= 1 ? std::cos(n * std::acos(x)) : std::cosh(n * std::acosh(x));
        return 10 * std::log10((1 + eps2 * t * t) / (1 + eps2));
    };
    for (const int n : {4, 8}) {
        SCOPED_TRACE(n);
        const Candidate& c = row(table, Chebyshev, n);
        // The tables keep five digits of each Q and frequency factor.
        EXPECT_NEAR(c.passLossDb, loss(n, 1000 / c.fc), 1e-3);
        EXPECT_NEAR(c.stopAttenuationDb, loss(n, 2000 / c.fc), 1e-3);
        EXPECT_EQ(c.meetsAll(), n == 8);
        EXPECT_EQ(c.lowestPassing, n == 8);
    }
}

// The 2nd-order Butterworth delay, sqrt(2) (1 + x^2) / ((1 + x^4) w0) at
// x = f / fc, peaks at x^2 = sqrt(2) - 1 at (1 + sqrt 2) / 2 times its value at
// DC and falls back to that value at x = 1. With fp just below fc (here
// fc = 1000.4 Hz) the variation is 50 (sqrt(2) - 1) = 20.711 %.
TEST_F(CandidateTableTest, LimitsOfOvershootAndDelayFailTheRowsBeyondThem) {
    const auto table = candidateTable(tables, {1000, 3, 10000, 40, 1.0, 5.0});
    EXPECT_NEAR(row(table, Butterworth, 2).delayVariationPercent, 50 * (std::sqrt(2.0) - 1), 1e-3);
    EXPECT_EQ(row(table, Butterworth, 4).failed, (std::vector{R::Overshoot, R::DelayVariation}));
    EXPECT_EQ(row(table, Butterworth, 8).failed, std::vector{R::Overshoot});
    EXPECT_EQ(row(table, Bessel, 2).failed,
              (std::vector{R::PassBand, R::StopBand, R::DelayVariation}));
    EXPECT_TRUE(row(table, Bessel, 4).lowestPassing);
    EXPECT_FALSE(row(table, Bessel, 8).lowestPassing);
}

bool finite(double value) {
    return std::isfinite(value);
}

// The corners of the accepted range: every figure and every point of the chart
// is a number, also for a caller that holds a numeric guard of its own, where
// a flag left by one study would stop the next.
TEST_F(CandidateTableTest, EveryFigureIsFiniteAtTheEndsOfTheRange) {
    fp::Guard guard;
    const Requirements corners[] = {
        {1e-6, 0.001, 1.001e-6, 0.002, 0.0, 0.0},
        {1e-6, 0.001, 1e15, 1000, {}, {}},
        {0.999e15, 999, 1e15, 1000, {}, {}},
        {1, 0.001, 1.0000001, 1000, {}, {}},
    };
    for (const Requirements& r : corners) {
        SCOPED_TRACE(r.passEdge);
        const auto table = candidateTable(tables, r);
        ASSERT_EQ(table.size(), 9u);
        for (const Candidate& c : table) {
            EXPECT_TRUE(c.fc > 0 && finite(c.fc) && finite(c.passLossDb) &&
                        finite(c.stopAttenuationDb) && finite(c.delayVariationPercent));
            EXPECT_NEAR(c.passMarginDb, c.stopMarginDb, 1e-9 * (1 + std::fabs(c.passMarginDb)));
            ASSERT_TRUE(c.overshootPercent);
            EXPECT_TRUE(finite(*c.overshootPercent));
        }
        const RequirementChart chart = requirementChart(tables, r, table);
        for (const CandidateCurve& curve : chart.curves) {
            ASSERT_EQ(curve.points.size(), static_cast<std::size_t>(kChartPoints));
            for (const PlotPoint& p : curve.points) {
                EXPECT_TRUE(finite(p.x) && finite(p.y));
            }
        }
        EXPECT_EQ(chart.passFloor.gainDb, -r.passLossDb);
        EXPECT_EQ(chart.stopCeiling.fromHz, r.stopEdge);
    }
}

}  // namespace
}  // namespace tessaron
