// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/candidate_table.h"

#include <algorithm>
#include <stdexcept>
#include <variant>

#include "studies/balanced_cutoff.h"
#include "studies/delay_and_step.h"
#include "studies/family_cascade.h"
#include "studies/pass_band_delay.h"

namespace tessaron {
namespace {

std::vector<Requirement> failures(const Candidate& c, const Requirements& r) {
    std::vector<Requirement> failed;
    if (std::min(c.passMarginDb, c.stopMarginDb) < 0) {
        failed.push_back(Requirement::PassBand);
        failed.push_back(Requirement::StopBand);
    }
    if (r.overshootPercent && !(c.overshootPercent && *c.overshootPercent <= *r.overshootPercent)) {
        failed.push_back(Requirement::Overshoot);
    }
    if (r.delayVariationPercent && !(c.delayVariationPercent <= *r.delayVariationPercent)) {
        failed.push_back(Requirement::DelayVariation);
    }
    return failed;
}

Candidate candidateOf(const CoefficientTables& tables, FilterFamily family, int order,
                      const Requirements& r) {
    Candidate c{};
    c.family = family;
    c.order = order;
    c.fc = balancedCutoff(tables, family, order, r);
    const std::vector<Biquad> cascade = familyCascade(tables, family, order, c.fc);
    // At the balance the two losses add up to Ap + As, at most 2000 dB, and
    // neither is below the ripple's -1 dB: both lie well within double's range.
    const EdgeLosses losses = edgeLosses(cascade, r.passEdge, r.stopEdge).value();
    c.passLossDb = losses.pass;
    c.stopAttenuationDb = losses.stop;
    c.passMarginDb = r.passLossDb - losses.pass;
    c.stopMarginDb = losses.stop - r.stopAttenuationDb;
    c.delayVariationPercent = passBandDelayVariation(cascade, r.passEdge);
    const DelayAndStepOutcome step = delayAndStep(cascade, c.fc);
    if (const auto* shown = std::get_if<DelayAndStep>(&step)) {
        c.overshootPercent = shown->stepFigures.overshootPercent;
    }
    c.failed = failures(c, r);
    return c;
}

}  // namespace

std::string_view requirementName(Requirement requirement) {
    switch (requirement) {
        case Requirement::PassBand:
            return "pass band";
        case Requirement::StopBand:
            return "stop band";
        case Requirement::Overshoot:
            return "overshoot";
        case Requirement::DelayVariation:
            return "delay variation";
    }
    return "";
}

std::vector<Candidate> candidateTable(const CoefficientTables& tables,
                                      const Requirements& requirements) {
    if (const auto problems = checkRequirements(requirements); !problems.empty()) {
        throw std::invalid_argument(problems.front().reason);
    }
    std::vector<Candidate> table;
    for (const FilterFamily family : kCandidateFamilies) {
        bool passed = false;
        for (const int order : kCandidateOrders) {
            Candidate c = candidateOf(tables, family, order, requirements);
            c.lowestPassing = !passed && c.meetsAll();
            passed = passed || c.meetsAll();
            table.push_back(std::move(c));
        }
    }
    return table;
}

}  // namespace tessaron
