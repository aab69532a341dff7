// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaron {

// What a low-pass filter must do: lose at most Ap dB up to the pass-band edge
// fp, attenuate at least As dB from the stop-band edge fs on and, where
// asked, overshoot a step by at most so much and keep its group delay that
// steady over the pass band. Losses are counted from the gain at DC.
struct Requirements {
    double passEdge;                              // fp, Hz
    double passLossDb;                            // Ap
    double stopEdge;                              // fs, Hz
    double stopAttenuationDb;                     // As
    std::optional<double> overshootPercent;       // of the step's final value
    std::optional<double> delayVariationPercent;  // see passBandDelayVariation
};

// The fields of the requirements, in the order the window shows them.
enum class RequirementField {
    PassEdge,
    PassLoss,
    StopEdge,
    StopAttenuation,
    Overshoot,
    DelayVariation
};
inline constexpr std::array<RequirementField, 6> kRequirementFields{
    RequirementField::PassEdge,  RequirementField::PassLoss,
    RequirementField::StopEdge,  RequirementField::StopAttenuation,
    RequirementField::Overshoot, RequirementField::DelayVariation};

// "fp", "Ap", "fs", "As", "Overshoot", "Delay variation".
std::string_view fieldLabel(RequirementField field);

// The range the table is computed in. Edges from 1 µHz to 1 PHz lie far beyond
// any circuit and keep every stage of every candidate, and its response from
// a decade below fp to a decade above fs, within the range of double; below
// 0.001 dB a pass-band loss is less than the table shows, and beyond 1000 dB
// an attenuation is no circuit's.
inline constexpr double kLowestEdge = 1e-6;              // Hz
inline constexpr double kHighestEdge = 1e15;             // Hz
inline constexpr double kSmallestPassLoss = 0.001;       // dB
inline constexpr double kLargestStopAttenuation = 1000;  // dB

// A field that stops the table, and why, in a sentence for the user.
struct FieldProblem {
    RequirementField field;
    std::string reason;  // "fs must lie above fp."
};

// Every field's problem, at most one per field, in field order: an edge outside
// the range above (zero and negative included), fs not above fp, Ap below
// 0.001 dB, As not above 0 dB, above 1000 dB or not above Ap, a negative limit
// of overshoot or delay variation. Empty when the table can be computed.
std::vector<FieldProblem> checkRequirements(const Requirements& requirements);

// The fields as typed, in the engineering text readQuantity reads: frequencies
// such as "10k" or "2.2 kHz", decibels such as "40" or "40 dB", percentages
// such as "5" or "5 %". The last two may be left empty: no such limit.
struct RequirementTexts {
    std::string passEdge;
    std::string passLoss;
    std::string stopEdge;
    std::string stopAttenuation;
    std::string overshoot;
    std::string delayVariation;
};

// The requirements, or every field's problem: the text's (empty where the
// field is required, not a number, too large) or, for a field that reads,
// those of checkRequirements. A comparison with a field that does not read is
// left out, since that field already has its reason.
struct ReadRequirements {
    std::optional<Requirements> requirements;  // set when problems is empty
    std::vector<FieldProblem> problems;
};

ReadRequirements readRequirements(const RequirementTexts& texts, std::string_view decimalSeparator);

}  // namespace tessaron
