// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/requirements_study.h"

namespace tessaron {

RequirementsStudy studyRequirements(const CoefficientTables& tables, const RequirementTexts& texts,
                                    std::string_view decimalSeparator) {
    ReadRequirements read = readRequirements(texts, decimalSeparator);
    RequirementsStudy study;
    if (!read.requirements) {
        study.problems = std::move(read.problems);
        return study;
    }
    study.candidates = candidateTable(tables, *read.requirements);
    study.chart = requirementChart(tables, *read.requirements, study.candidates);
    return study;
}

}  // namespace tessaron
