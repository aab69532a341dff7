// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/requirements.h"

#include <cstddef>

#include "studies/quantity_text.h"

namespace tessaron {
namespace {

constexpr std::size_t kFieldCount = kRequirementFields.size();

std::size_t indexOf(RequirementField field) {
    return static_cast<std::size_t>(field);
}

struct FieldEntry {
    std::string RequirementTexts::*text;
    QuantityForm form;
    bool required;
    std::string_view notANumber;  // what the field takes, for the reason
};

constexpr std::array<FieldEntry, kFieldCount> kEntries{{
    {&RequirementTexts::passEdge, kFrequencyForm, true, "a frequency such as 10k, 2.2 kHz or 1000"},
    {&RequirementTexts::passLoss, kDecibelForm, true, "a loss in decibels such as 1 or 0.5 dB"},
    {&RequirementTexts::stopEdge, kFrequencyForm, true, "a frequency such as 10k, 2.2 kHz or 1000"},
    {&RequirementTexts::stopAttenuation, kDecibelForm, true,
     "an attenuation in decibels such as 40 or 60 dB"},
    {&RequirementTexts::overshoot, kPercentForm, false, "a percentage such as 5 or 5 %"},
    {&RequirementTexts::delayVariation, kPercentForm, false, "a percentage such as 10 or 10 %"},
}};

// A field's value as it reads; empty where it does not or, for a limit, where
// none is given.
using FieldValues = std::array<std::optional<double>, kFieldCount>;
// At most one reason per field.
using FieldReasons = std::array<std::optional<std::string>, kFieldCount>;

std::string labelled(RequirementField field, std::string_view rest) {
    return std::string(fieldLabel(field)) + std::string(rest);
}

std::optional<std::string> textReason(RequirementField field, const Quantity& read,
                                      const FieldEntry& entry) {
    switch (read.fault) {
        case QuantityFault::None:
            return std::nullopt;
        case QuantityFault::Empty:
            return entry.required ? std::optional(labelled(field, " is empty.")) : std::nullopt;
        case QuantityFault::NotANumber:
            return labelled(field, " is not " + std::string(entry.notANumber) + ".");
        case QuantityFault::TooLarge:
            return labelled(field, " is too large a number.");
    }
    return std::nullopt;
}

// Sets the reason of every field that reads but is out of its range, and
// leaves `values` holding only the fields that pass.
void checkValues(FieldValues& values, FieldReasons& reasons) {
    const auto check = [&](RequirementField field, bool ok, std::string_view rest) {
        const std::size_t i = indexOf(field);
        if (values[i] && !reasons[i] && !ok) {
            reasons[i] = labelled(field, rest);
            values[i].reset();
        }
    };
    const auto& fp = values[indexOf(RequirementField::PassEdge)];
    const auto& ap = values[indexOf(RequirementField::PassLoss)];
    const auto& fs = values[indexOf(RequirementField::StopEdge)];
    const auto& as = values[indexOf(RequirementField::StopAttenuation)];
    const auto& overshoot = values[indexOf(RequirementField::Overshoot)];
    const auto& delay = values[indexOf(RequirementField::DelayVariation)];
    const auto inRange = [](double hz) { return hz >= kLowestEdge && hz <= kHighestEdge; };

    check(RequirementField::PassEdge, !fp || *fp > 0, " must be above 0 Hz.");
    check(RequirementField::PassEdge, !fp || inRange(*fp), " must lie between 1 µHz and 1 PHz.");
    check(RequirementField::PassLoss, !ap || *ap >= kSmallestPassLoss,
          " must be at least 0.001 dB, the least the table shows.");
    check(RequirementField::StopEdge, !fs || *fs > 0, " must be above 0 Hz.");
    check(RequirementField::StopEdge, !fs || inRange(*fs), " must lie between 1 µHz and 1 PHz.");
    check(RequirementField::StopEdge, !fs || !fp || *fs > *fp, " must lie above fp.");
    check(RequirementField::StopAttenuation, !as || *as > 0, " must be more than 0 dB.");
    check(RequirementField::StopAttenuation, !as || *as <= kLargestStopAttenuation,
          " must be at most 1000 dB.");
    check(RequirementField::StopAttenuation, !as || !ap || *as > *ap, " must be more than Ap.");
    check(RequirementField::Overshoot, !overshoot || *overshoot >= 0, " must not be negative.");
    check(RequirementField::DelayVariation, !delay || *delay >= 0, " must not be negative.");
}

std::vector<FieldProblem> problemsOf(const FieldReasons& reasons) {
    std::vector<FieldProblem> problems;
    for (const RequirementField field : kRequirementFields) {
        if (const auto& reason = reasons[indexOf(field)]) {
            problems.push_back({field, *reason});
        }
    }
    return problems;
}

}  // namespace

std::string_view fieldLabel(RequirementField field) {
    switch (field) {
        case RequirementField::PassEdge:
            return "fp";
        case RequirementField::PassLoss:
            return "Ap";
        case RequirementField::StopEdge:
            return "fs";
        case RequirementField::StopAttenuation:
            return "As";
        case RequirementField::Overshoot:
            return "Overshoot";
        case RequirementField::DelayVariation:
            return "Delay variation";
    }
    return "";
}

std::vector<FieldProblem> checkRequirements(const Requirements& r) {
    FieldValues values{r.passEdge,          r.passLossDb,       r.stopEdge,
                       r.stopAttenuationDb, r.overshootPercent, r.delayVariationPercent};
    FieldReasons reasons{};
    checkValues(values, reasons);
    return problemsOf(reasons);
}

ReadRequirements readRequirements(const RequirementTexts& texts,
                                  std::string_view decimalSeparator) {
    FieldValues values{};
    FieldReasons reasons{};
    for (const RequirementField field : kRequirementFields) {
        const FieldEntry& entry = kEntries[indexOf(field)];
        const Quantity read = readQuantity(texts.*entry.text, entry.form, decimalSeparator);
        reasons[indexOf(field)] = textReason(field, read, entry);
        if (read.fault == QuantityFault::None) {
            values[indexOf(field)] = read.value;
        }
    }
    checkValues(values, reasons);
    ReadRequirements result{std::nullopt, problemsOf(reasons)};
    if (result.problems.empty()) {
        const auto value = [&](RequirementField field) { return values[indexOf(field)]; };
        result.requirements = Requirements{
            *value(RequirementField::PassEdge), *value(RequirementField::PassLoss),
            *value(RequirementField::StopEdge), *value(RequirementField::StopAttenuation),
            value(RequirementField::Overshoot), value(RequirementField::DelayVariation)};
    }
    return result;
}

}  // namespace tessaron
