// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/requirements.h"

#include <gtest/gtest.h>

#include "studies/requirements_study.h"

namespace tessaron {
namespace {

RequirementTexts valid() {
    return {"1 kHz", "1", "4 kHz", "40 dB", "", ""};
}

using Field = RequirementField;

struct BadCase {
    std::string RequirementTexts::*field;
    const char* text;
    std::vector<std::pair<Field, std::string>> expected;
};

TEST(ReadRequirements, NamesEachFieldAndWhyAndComputesNothing) {
    const BadCase cases[] = {
        {&RequirementTexts::passEdge, "", {{Field::PassEdge, "fp is empty."}}},
        {&RequirementTexts::passEdge,
         "1 kV",
         {{Field::PassEdge, "fp is not a frequency such as 10k, 2.2 kHz or 1000."}}},
        {&RequirementTexts::passEdge, "0", {{Field::PassEdge, "fp must be above 0 Hz."}}},
        {&RequirementTexts::passEdge,
         "2 PHz",
         {{Field::PassEdge, "fp must lie between 1 µHz and 1 PHz."}}},
        {&RequirementTexts::passEdge, "4k", {{Field::StopEdge, "fs must lie above fp."}}},
        {&RequirementTexts::stopEdge, "999", {{Field::StopEdge, "fs must lie above fp."}}},
        {&RequirementTexts::passLoss,
         "0",
         {{Field::PassLoss, "Ap must be at least 0.001 dB, the least the table shows."}}},
        {&RequirementTexts::passLoss,
         "1 %",
         {{Field::PassLoss, "Ap is not a loss in decibels such as 1 or 0.5 dB."}}},
        {&RequirementTexts::passLoss, "40", {{Field::StopAttenuation, "As must be more than Ap."}}},
        {&RequirementTexts::stopAttenuation, "", {{Field::StopAttenuation, "As is empty."}}},
        {&RequirementTexts::stopAttenuation,
         "-3",
         {{Field::StopAttenuation, "As must be more than 0 dB."}}},
        {&RequirementTexts::stopAttenuation,
         "1001",
         {{Field::StopAttenuation, "As must be at most 1000 dB."}}},
        {&RequirementTexts::stopAttenuation,
         "1e4000",
         {{Field::StopAttenuation, "As is too large a number."}}},
        {&RequirementTexts::overshoot,
         "-1 %",
         {{Field::Overshoot, "Overshoot must not be negative."}}},
        {&RequirementTexts::overshoot,
         "five",
         {{Field::Overshoot, "Overshoot is not a percentage such as 5 or 5 %."}}},
        {&RequirementTexts::delayVariation,
         "-2",
         {{Field::DelayVariation, "Delay variation must not be negative."}}},
    };
    CoefficientTables tables;
    tables.Fill();
    for (const BadCase& c : cases) {
        RequirementTexts texts = valid();
        texts.*c.field = c.text;
        SCOPED_TRACE(c.text);
        const RequirementsStudy study = studyRequirements(tables, texts, ".");
        std::vector<std::pair<Field, std::string>> problems;
        for (const FieldProblem& p : study.problems) {
            problems.emplace_back(p.field, p.reason);
        }
        EXPECT_EQ(problems, c.expected);
        EXPECT_TRUE(study.candidates.empty());
        EXPECT_TRUE(study.chart.curves.empty());
    }
}

// A field that does not read takes no comparison with it: one reason, its own.
TEST(ReadRequirements, GivesEveryFieldItsOwnReasonInFieldOrder) {
    const ReadRequirements read = readRequirements({"x", "1", "4 kHz", "", "", ""}, ".");
    ASSERT_EQ(read.problems.size(), 2u);
    EXPECT_EQ(read.problems[0].field, Field::PassEdge);
    EXPECT_EQ(read.problems[1].field, Field::StopAttenuation);
    EXPECT_FALSE(read.requirements);
}

TEST(ReadRequirements, LeavesLimitsOutUnlessGiven) {
    const ReadRequirements read = readRequirements({"1 kHz", "1", "4 kHz", "40", "", "10 %"}, ".");
    ASSERT_TRUE(read.requirements);
    EXPECT_EQ(read.requirements->stopEdge, 4000);
    EXPECT_FALSE(read.requirements->overshootPercent);
    EXPECT_EQ(read.requirements->delayVariationPercent, 10);
}

}  // namespace
}  // namespace tessaron
