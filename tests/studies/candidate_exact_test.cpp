// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <string>

#include "studies/balanced_cutoff.h"
#include "studies/candidate_table.h"
#include "studies/design_biquads.h"
#include "studies/size_design.h"
#include "tests/support/design_at_1khz.h"

namespace tessaron {
namespace {

struct ExactCase {
    TopologyKind topology;
    int method;
};

// A candidate's fc typed into a tab gives the figures of the table: the tab's
// exact design, sized in extended precision like a run and evaluated from its
// parts in double, loses the same at fp and fs to 1e-6 dB, on every topology,
// for every family and order.
TEST(CandidateExactDesign, GainAtBothEdgesMatchesTheTable) {
    const ExactCase cases[] = {
        {kindOf<MultipleFeedback>, 1},
        {kindOf<SallenKey>, 2},
        {kindOf<Passive>, 1},
    };
    CoefficientTables tables;
    tables.Fill();
    const Requirements r{1000, 0.5, 3000, 45, {}, {}};
    const auto table = candidateTable(tables, r);
    for (const ExactCase& c : cases) {
        for (const Candidate& candidate : table) {
            SCOPED_TRACE(std::string(nameOf(c.topology)) + " " + std::to_string(candidate.family) +
                         " " + std::to_string(candidate.order));
            DesignRequest request = testing::requestAt1kHz();
            request.Fc = candidate.fc;
            request.Omega = request.Fc * 6.283185307179586477L;
            const DesignParts parts = sizeDesign(tables, c.topology, request, c.method,
                                                 candidate.family, candidate.order);
            const auto losses = edgeLosses(designBiquads(parts), r.passEdge, r.stopEdge);
            ASSERT_TRUE(losses);
            EXPECT_NEAR(losses->pass, candidate.passLossDb, 1e-6);
            EXPECT_NEAR(losses->stop, candidate.stopAttenuationDb, 1e-6);
        }
    }
}

}  // namespace
}  // namespace tessaron
