// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/engineering_text.h"

#include <array>
#include <charconv>
#include <cstdlib>

namespace tessaron {
namespace {

constexpr int kKeptDigits = 6;
constexpr int kLowestPrefixPower = -21;
constexpr int kHighestPrefixPower = 21;
constexpr std::array<std::string_view, 15> kPrefixes = {"z", "a", "f", "p", "n", "µ", "m", "",
                                                        "k", "M", "G", "T", "P", "E", "Z"};

// digits (no leading zero) times 10^exponent.
struct Decimal {
    std::string digits;
    int exponent;
};

Decimal decimalOf(const StandardValue& value) {
    if (value.fromSeries()) {
        return {std::to_string(value.significand), value.exponent};
    }
    // Shortest way to six significant digits without the locale: d.ddddde-XX.
    std::array<char, 32> text{};
    const auto result = std::to_chars(text.data(), text.data() + text.size(), value.value,
                                      std::chars_format::scientific, kKeptDigits - 1);
    const std::string_view written(text.data(), static_cast<std::size_t>(result.ptr - text.data()));
    const std::size_t e = written.find('e');
    std::string digits;
    for (char c : written.substr(0, e)) {
        if (c >= '0' && c <= '9') {
            digits += c;
        }
    }
    const int power = std::atoi(std::string(written.substr(e + 1)).c_str());
    return {digits, power - (kKeptDigits - 1)};
}

int floorDiv3(int n) {
    return n >= 0 ? n / 3 : -((-n + 2) / 3);
}

// digits with the decimal point `point` (at least 1) places from the left,
// padded with zeros where it lies beyond them, without trailing zeros after it.
std::string placePoint(std::string digits, int point, std::string_view separator) {
    if (static_cast<std::size_t>(point) >= digits.size()) {
        digits.append(static_cast<std::size_t>(point) - digits.size(), '0');
        return digits;
    }
    std::string whole = digits.substr(0, static_cast<std::size_t>(point));
    std::string fraction = digits.substr(static_cast<std::size_t>(point));
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.pop_back();
    }
    return fraction.empty() ? whole : whole + std::string(separator) + fraction;
}

}  // namespace

std::string engineeringText(const StandardValue& value, std::string_view unit,
                            std::string_view decimalSeparator) {
    const Decimal d = decimalOf(value);
    const int leading = d.exponent + static_cast<int>(d.digits.size()) - 1;
    const int group = floorDiv3(leading) * 3;
    if (group < kLowestPrefixPower || group > kHighestPrefixPower) {
        return placePoint(d.digits, 1, decimalSeparator) + "E" + std::to_string(leading) + " " +
               std::string(unit);
    }
    const int point = static_cast<int>(d.digits.size()) + d.exponent - group;
    const auto prefix = kPrefixes[static_cast<std::size_t>((group - kLowestPrefixPower) / 3)];
    return placePoint(d.digits, point, decimalSeparator) + " " + std::string(prefix) +
           std::string(unit);
}

}  // namespace tessaron
