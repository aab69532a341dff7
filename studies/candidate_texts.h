// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string>
#include <string_view>

#include "studies/candidate_table.h"

namespace tessaron {

// A row of the table as the window shows it, with the window's decimal
// separator.
struct CandidateTexts {
    std::string family;           // "Butterworth"
    std::string order;            // "4th"
    std::string fc;               // "1.25271 kHz": six digits, as a tab's fc field takes it
    std::string passLoss;         // "0.663 dB"
    std::string stopAttenuation;  // "40.337 dB"
    std::string passMargin;       // "+0.337 dB"
    std::string stopMargin;       // "-4.131 dB"
    std::string overshoot;        // "10.84 %", "n/a" where it could not be computed
    std::string delayVariation;   // "31.02 %"
    std::string verdict;  // "meets all, lowest order" or "fails the pass band and the stop band"
};

inline constexpr std::array<std::string_view, 10> kCandidateHeader{
    "Family",    "Order",     "fc",        "Loss at fp",      "Attenuation at fs",
    "Margin fp", "Margin fs", "Overshoot", "Delay variation", "Verdict"};

CandidateTexts candidateTexts(const Candidate& candidate, std::string_view decimalSeparator);

}  // namespace tessaron
