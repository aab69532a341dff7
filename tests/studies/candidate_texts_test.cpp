// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/candidate_texts.h"

#include <gtest/gtest.h>

namespace tessaron {
namespace {

TEST(CandidateTexts, ShowTheRowWithTheWindowsSeparator) {
    Candidate c{Chebyshev, 4, 1507.4494, -0.0268, 41.0268, 1.0268, 1.0268, 18.1, 25.02, {}, true};
    const CandidateTexts texts = candidateTexts(c, ",");
    EXPECT_EQ(texts.family, "Chebyshev");
    EXPECT_EQ(texts.order, "4th");
    EXPECT_EQ(texts.fc, "1,50745 kHz");
    EXPECT_EQ(texts.passLoss, "-0,027 dB");
    EXPECT_EQ(texts.passMargin, "+1,027 dB");
    EXPECT_EQ(texts.overshoot, "18,10 %");
    EXPECT_EQ(texts.verdict, "meets all, lowest order");
}

TEST(CandidateTexts, NameEveryRequirementARowFails) {
    Candidate c{Butterworth, 2, 1000, 3.007, 39.993, -0.007, -0.007, {}, 20.7, {}, false};
    c.failed = {Requirement::PassBand, Requirement::StopBand, Requirement::Overshoot};
    const CandidateTexts texts = candidateTexts(c, ".");
    EXPECT_EQ(texts.stopMargin, "-0.007 dB");
    EXPECT_EQ(texts.overshoot, "n/a");
    EXPECT_EQ(texts.verdict, "fails the pass band, the stop band and the overshoot");
}

}  // namespace
}  // namespace tessaron
