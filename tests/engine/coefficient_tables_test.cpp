// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/coefficient_tables.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace tessaron {
namespace {

class CoefficientTablesTest : public ::testing::Test {
  protected:
    void SetUp() override { tables.Fill(); }
    CoefficientTables tables;
};

TEST_F(CoefficientTablesTest, EachOrderHasExactlyItsStagesSet) {
    for (FilterFamily family : {Butterworth, Bessel, Chebyshev}) {
        for (int order : {2, 4, 6, 8}) {
            for (int stage = 0; stage < kMaxStages; ++stage) {
                const StageCoefficients& c = tables.Lookup(family, order, stage);
                SCOPED_TRACE(::testing::Message() << family << "/" << order << "/" << stage);
                if (stage < order / 2) {
                    EXPECT_GT(c.Q, 0.5L);
                    EXPECT_GT(c.FrequencyFactor, 0.0L);
                } else {
                    EXPECT_EQ(c.Q, 0.0L);
                    EXPECT_EQ(c.FrequencyFactor, 0.0L);
                }
            }
        }
    }
}

TEST_F(CoefficientTablesTest, StagesAscendInQ) {
    for (FilterFamily family : {Butterworth, Bessel, Chebyshev}) {
        for (int order : {4, 6, 8}) {
            for (int stage = 1; stage < order / 2; ++stage) {
                EXPECT_LT(tables.Lookup(family, order, stage - 1).Q,
                          tables.Lookup(family, order, stage).Q)
                    << family << "/" << order << "/" << stage;
            }
        }
    }
}

struct StoredPair {
    FilterFamily family;
    int order;
    int stage;
    long double q;
    long double factor;
};

// Spot checks of the stored decimals, compared bit for bit with the nearest
// extended value, including the entries kept although they depart from a
// freshly computed prototype.
TEST_F(CoefficientTablesTest, HoldsTheStoredDecimalsExactly) {
    const StoredPair pairs[] = {
        {Butterworth, 2, 0, 0.707107L, 1.0L},  {Butterworth, 8, 3, 2.562915L, 1.0L},
        {Bessel, 2, 0, 0.57735L, 1.2742L},     {Bessel, 4, 0, 0.52133L, 1.43241L},
        {Bessel, 6, 1, 0.6112L, 1.69186L},     {Bessel, 8, 3, 1.2257L, 2.19237L},
        {Chebyshev, 2, 0, 0.95652L, 1.04079L}, {Chebyshev, 4, 0, 0.70511L, 0.597L},
        {Chebyshev, 6, 2, 6.51285L, 1.01145L}, {Chebyshev, 8, 3, 11.5308L, 1.00595L},
    };
    for (const StoredPair& p : pairs) {
        const StageCoefficients& c = tables.Lookup(p.family, p.order, p.stage);
        EXPECT_EQ(c.Q, p.q) << p.family << "/" << p.order << "/" << p.stage;
        EXPECT_EQ(c.FrequencyFactor, p.factor) << p.family << "/" << p.order << "/" << p.stage;
    }
}

TEST_F(CoefficientTablesTest, ButterworthStagesAllSitAtFc) {
    for (int order : {2, 4, 6, 8}) {
        for (int stage = 0; stage < order / 2; ++stage) {
            EXPECT_EQ(tables.Lookup(Butterworth, order, stage).FrequencyFactor, 1.0L);
        }
    }
}

TEST_F(CoefficientTablesTest, RejectsWhatNoTableHolds) {
    EXPECT_THROW(tables.Lookup(0, 2, 0), std::invalid_argument);
    EXPECT_THROW(tables.Lookup(4, 2, 0), std::invalid_argument);
    EXPECT_THROW(tables.Lookup(Bessel, 3, 0), std::invalid_argument);
    EXPECT_THROW(tables.Lookup(Bessel, 10, 0), std::invalid_argument);
    EXPECT_THROW(tables.Lookup(Bessel, 8, 4), std::invalid_argument);
}

}  // namespace
}  // namespace tessaron
