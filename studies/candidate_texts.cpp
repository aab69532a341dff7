// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/candidate_texts.h"

#include "studies/engineering_text.h"
#include "studies/family_names.h"
#include "studies/printed_text.h"

namespace tessaron {
namespace {

// Decibels to the thousandth, the resolution kSmallestPassLoss is chosen for.
// A margin keeps its sign even where it rounds to zero: "-0.000 dB" fails.
std::string decibels(double db, bool withSign, std::string_view separator) {
    return printed(separator, withSign ? "%+.3f dB" : "%.3f dB", db);
}

std::string percent(double value, std::string_view separator) {
    return printed(separator, "%.2f %%", value);
}

// "the pass band and the stop band", "the stop band, the overshoot and the
// delay variation".
std::string listed(const std::vector<Requirement>& failed) {
    std::string text;
    for (std::size_t i = 0; i < failed.size(); ++i) {
        if (i > 0) {
            text += i + 1 == failed.size() ? " and " : ", ";
        }
        text += "the " + std::string(requirementName(failed[i]));
    }
    return text;
}

std::string verdict(const Candidate& c) {
    if (c.meetsAll()) {
        return c.lowestPassing ? "meets all, lowest order" : "meets all";
    }
    return "fails " + listed(c.failed);
}

}  // namespace

CandidateTexts candidateTexts(const Candidate& c, std::string_view separator) {
    return {std::string(familyLabel(c.family)),
            orderLabel(c.order),
            engineeringText(StandardValue{0, 0, c.fc}, "Hz", separator),
            decibels(c.passLossDb, false, separator),
            decibels(c.stopAttenuationDb, false, separator),
            decibels(c.passMarginDb, true, separator),
            decibels(c.stopMarginDb, true, separator),
            c.overshootPercent ? percent(*c.overshootPercent, separator) : "n/a",
            percent(c.delayVariationPercent, separator),
            verdict(c)};
}

}  // namespace tessaron
