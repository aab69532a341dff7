// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>
#include <vector>

#include "engine/coefficient_tables.h"
#include "studies/candidate_table.h"
#include "studies/requirement_chart.h"
#include "studies/requirements.h"

namespace tessaron {

// Everything the Requirements window shows for the fields as they stand: the
// fields' problems, or the table and its chart. Quick enough to run on the
// GUI thread after every keystroke.
struct RequirementsStudy {
    std::vector<FieldProblem> problems;  // when not empty, nothing is computed
    std::vector<Candidate> candidates;
    RequirementChart chart;
};

RequirementsStudy studyRequirements(const CoefficientTables& tables, const RequirementTexts& texts,
                                    std::string_view decimalSeparator);

}  // namespace tessaron
