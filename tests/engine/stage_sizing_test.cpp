// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>

#include "engine/multiple_feedback.h"
#include "engine/passive.h"
#include "engine/sallen_key.h"

namespace tessaron {
namespace {

constexpr Extended kFc = 1000;
constexpr Extended kOmega = kFc * kTwoPi;

// Typical values a user types for the component each method fixes.
struct Given {
    Extended method1;
    Extended method2;
};

template <class Topology>
struct SizingCase {
    // `signs` lists the signs of the given value whose figures must match too.
    static void expectFiguresGiveBackThePrototype(Given given,
                                                  std::initializer_list<Extended> signs) {
        CoefficientTables tables;
        tables.Fill();
        for (int method : {1, 2}) {
            for (FilterFamily family : {Butterworth, Bessel, Chebyshev}) {
                for (int order : {2, 4, 8}) {
                    for (int i = 0; i < order / 2; ++i) {
                        SCOPED_TRACE(::testing::Message()
                                     << "method " << method << " family " << family << " order "
                                     << order << " stage " << i);
                        const StageCoefficients& p = tables.Lookup(family, order, i);
                        for (Extended sign : signs) {
                            const Extended value =
                                sign * (method == 1 ? given.method1 : given.method2);
                            const auto stage = Topology::size(method, p, kOmega, value);
                            const StageFigures f = Topology::figures(stage);
                            const Extended wantF = kFc * p.FrequencyFactor;
                            EXPECT_LT(std::fabs(f.naturalFrequency - wantF) / wantF, 1e-15L);
                            EXPECT_LT(std::fabs(f.quality - p.Q) / p.Q, 1e-15L);
                        }
                    }
                }
            }
        }
    }
};

TEST(StageSizing, MultipleFeedbackFiguresGiveBackKFcAndQ) {
    // Negative components are used as typed; the multiple-feedback Q formula
    // then reports what the signed values give, so only positive ones round-trip.
    SizingCase<MultipleFeedback>::expectFiguresGiveBackThePrototype({10000.0L, 1e-8L}, {1.0L});
}

TEST(StageSizing, SallenKeyFiguresGiveBackKFcAndQ) {
    SizingCase<SallenKey>::expectFiguresGiveBackThePrototype({10000.0L, 1e-8L}, {1.0L, -1.0L});
}

TEST(StageSizing, PassiveFiguresGiveBackKFcAndQ) {
    SizingCase<Passive>::expectFiguresGiveBackThePrototype({0.1L, 1e-7L}, {1.0L, -1.0L});
}

TEST(StageSizing, ComponentRatiosFollowFromQ) {
    CoefficientTables tables;
    tables.Fill();
    for (FilterFamily family : {Butterworth, Bessel, Chebyshev}) {
        for (int i = 0; i < 4; ++i) {
            const StageCoefficients& p = tables.Lookup(family, 8, i);
            const Extended q2 = p.Q * p.Q;
            const auto mf1 = MultipleFeedback::size(1, p, kOmega, 4700);
            const auto mf2 = MultipleFeedback::size(2, p, kOmega, 2.2e-9L);
            const auto sk1 = SallenKey::size(1, p, kOmega, 4700);
            const auto sk2 = SallenKey::size(2, p, kOmega, 2.2e-9L);
            EXPECT_NEAR(static_cast<double>(mf1.C1 / mf1.C2 / (9 * q2)), 1.0, 1e-15);
            EXPECT_NEAR(static_cast<double>(mf2.C1 / mf2.C2 / (8 * q2)), 1.0, 1e-15);
            EXPECT_NEAR(static_cast<double>(mf2.R1 / mf2.R2), 2.0, 1e-15);
            EXPECT_EQ(mf2.R3, mf2.R1);
            EXPECT_EQ(sk1.R1, sk1.R2);
            EXPECT_EQ(sk2.R1, sk2.R2);
            EXPECT_NEAR(static_cast<double>(sk1.C1 / sk1.C2 / (4 * q2)), 1.0, 1e-15);
            EXPECT_NEAR(static_cast<double>(sk2.C1 / sk2.C2 / (4 * q2)), 1.0, 1e-15);
        }
    }
}

TEST(StageSizing, MultipleFeedbackResponseHasUnitInvertingGain) {
    CoefficientTables tables;
    tables.Fill();
    const auto stage = MultipleFeedback::size(1, tables.Lookup(Chebyshev, 4, 1), kOmega, 10000);
    const auto r = MultipleFeedback::response(stage);
    EXPECT_LT(r.K, 0.0L);
    EXPECT_EQ(-r.K, r.b0);  // R3 = R1, so the DC gain K / b0 is exactly -1
}

TEST(StageSizing, SallenKeyResponseHasUnitGain) {
    CoefficientTables tables;
    tables.Fill();
    const auto stage = SallenKey::size(2, tables.Lookup(Bessel, 8, 2), kOmega, 1e-8L);
    const auto r = SallenKey::response(stage);
    EXPECT_GT(r.K, 0.0L);
    EXPECT_EQ(r.K, r.b0);
}

}  // namespace
}  // namespace tessaron
