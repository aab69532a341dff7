// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/quantity_text.h"

#include <array>
#include <cmath>
#include <limits>
#include <optional>

#include "engine/number_text.h"
#include "mathlib/extended.h"
#include "mathlib/fp_guard.h"

namespace tessaron {
namespace {

struct Prefix {
    std::string_view symbol;
    int power;  // of ten
};

// Longer symbols first would only matter if one ended another; none does.
constexpr std::array<Prefix, 16> kPrefixes{{
    {"z", -21},
    {"a", -18},
    {"f", -15},
    {"p", -12},
    {"n", -9},
    {"µ", -6},
    {"μ", -6},
    {"u", -6},
    {"m", -3},
    {"k", 3},
    {"K", 3},
    {"M", 6},
    {"G", 9},
    {"T", 12},
    {"P", 15},
    {"Z", 21},
}};

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool endsWithIgnoringCase(std::string_view text, std::string_view ending) {
    if (ending.empty() || text.size() < ending.size()) {
        return false;
    }
    const std::string_view tail = text.substr(text.size() - ending.size());
    for (std::size_t i = 0; i < ending.size(); ++i) {
        if (lower(tail[i]) != lower(ending[i])) {
            return false;
        }
    }
    return true;
}

std::optional<Prefix> trailingPrefix(std::string_view text) {
    for (const Prefix& prefix : kPrefixes) {
        if (text.ends_with(prefix.symbol)) {
            return prefix;
        }
    }
    return std::nullopt;
}

// 10^|power| is exact in extended precision up to 10^27, so a prefix costs
// one rounding: a multiplication, or a division for the small ones.
Extended scaled(Extended number, int power) {
    Extended factor = 1;
    for (int i = 0; i < std::abs(power); ++i) {
        factor *= 10;
    }
    return power < 0 ? number / factor : number * factor;
}

}  // namespace

Quantity readQuantity(std::string_view text, QuantityForm form, std::string_view decimalSeparator) {
    std::string_view rest = trimmed(text);
    if (rest.empty()) {
        return {0, QuantityFault::Empty};
    }
    if (endsWithIgnoringCase(rest, form.unit)) {
        rest = trimmed(rest.substr(0, rest.size() - form.unit.size()));
    }
    int power = 0;
    if (form.prefixed) {
        if (const auto prefix = trailingPrefix(rest)) {
            power = prefix->power;
            rest.remove_suffix(prefix->symbol.size());
        }
    }
    const std::optional<Extended> number = parseNumber(rest, decimalSeparator);
    if (!number) {
        return {0, QuantityFault::NotANumber};
    }
    // A number near the top of the extended range overflows with its prefix:
    // masked here, and judged by the result.
    fp::Guard guard;
    const Extended value = scaled(fp::pinned(*number), power);
    if (!(std::fabs(value) <= static_cast<Extended>(std::numeric_limits<double>::max()))) {
        return {0, QuantityFault::TooLarge};
    }
    return {static_cast<double>(value), QuantityFault::None};
}

}  // namespace tessaron
