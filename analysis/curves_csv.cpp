// SPDX-License-Identifier: GPL-3.0-or-later

#include "analysis/curves_csv.h"

#include <array>
#include <charconv>
#include <stdexcept>

namespace tessaron {

namespace {

// 17 significant digits identify every double; to_chars ignores the locale.
constexpr int kRoundTripDigits = 17;

void appendNumber(std::string& text, double value) {
    std::array<char, 32> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::general, kRoundTripDigits);
    if (error != std::errc()) {
        throw std::length_error("number too long for a CSV field");
    }
    text.append(buffer.data(), end);
}

}  // namespace

std::string curvesCsv(std::span<const PlotPoint> gain, std::span<const PlotPoint> phase) {
    if (gain.size() != phase.size()) {
        throw std::invalid_argument("gain and phase curves differ in length");
    }
    std::string text(kCurvesCsvHeader);
    text += '\n';
    // "-1.2345678901234567e-100" is the longest field; three per row.
    text.reserve(text.size() + gain.size() * 72);
    for (std::size_t i = 0; i < gain.size(); ++i) {
        if (gain[i].x != phase[i].x) {
            throw std::invalid_argument("gain and phase curves differ in frequency");
        }
        appendNumber(text, gain[i].x);
        text += ',';
        appendNumber(text, gain[i].y);
        text += ',';
        appendNumber(text, phase[i].y);
        text += '\n';
    }
    return text;
}

}  // namespace tessaron
