// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/number_text.h"

#include <locale.h>
#include <stdlib.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "mathlib/fp_guard.h"

namespace tessaron {

namespace {

// Far beyond any exponent that can still give a finite, non-zero extended
// (about 1E-4951 to 1.19E4932, plus a few thousand digits of mantissa in
// between), yet small enough that adding a digit count to it cannot overflow.
constexpr std::int64_t kExponentClamp = 100'000'000;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t skipBlanks(std::string_view text, std::size_t pos) {
    while (pos < text.size() && text[pos] == ' ') {
        ++pos;
    }
    return pos;
}

std::size_t skipDigits(std::string_view text, std::size_t pos) {
    while (pos < text.size() && isDigit(text[pos])) {
        ++pos;
    }
    return pos;
}

// The C library's own locale follows LC_NUMERIC, which Qt sets from the
// environment; the field text has already been normalized to a full stop, so
// the conversion must always use "C".
locale_t cLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

}  // namespace

std::optional<Extended> parseNumber(std::string_view text, std::string_view decimalSeparator) {
    std::size_t pos = skipBlanks(text, 0);

    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }

    const std::size_t intBegin = pos;
    pos = skipDigits(text, pos);
    const std::string_view intDigits = text.substr(intBegin, pos - intBegin);

    bool hasSeparator = false;
    std::string_view fracDigits;
    if (!decimalSeparator.empty() && text.substr(pos).starts_with(decimalSeparator)) {
        hasSeparator = true;
        pos += decimalSeparator.size();
        const std::size_t fracBegin = pos;
        pos = skipDigits(text, pos);
        fracDigits = text.substr(fracBegin, pos - fracBegin);
    }
    if (intDigits.empty() && fracDigits.empty() && !hasSeparator) {
        return std::nullopt;
    }

    std::int64_t exponent = 0;
    if (pos < text.size() && (text[pos] == 'E' || text[pos] == 'e')) {
        ++pos;
        bool exponentNegative = false;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            exponentNegative = text[pos] == '-';
            ++pos;
        }
        // Saturating: "1e99999999999999999999999" must neither overflow an
        // integer nor cost more than a scan of its digits.
        for (; pos < text.size() && isDigit(text[pos]); ++pos) {
            if (exponent < kExponentClamp) {
                exponent = exponent * 10 + (text[pos] - '0');
            }
        }
        exponent = std::min(exponent, kExponentClamp);
        if (exponentNegative) {
            exponent = -exponent;
        }
    }

    pos = skipBlanks(text, pos);
    if (pos != text.size()) {
        return std::nullopt;
    }

    // Reduce to significant digits s and an exponent with value = 0.s x 10^e, so
    // leading and trailing zeros neither reach the library nor shift the clamp:
    // "0e999999999999" is zero, and "0.000...1e400" with many zeros stays finite.
    std::string significant;
    std::int64_t decimalExponent = exponent;
    {
        const auto firstInt = intDigits.find_first_not_of('0');
        if (firstInt != std::string_view::npos) {
            const std::string_view intPart = intDigits.substr(firstInt);
            significant.reserve(intPart.size() + fracDigits.size());
            significant.append(intPart);
            significant.append(fracDigits);
            decimalExponent += static_cast<std::int64_t>(intPart.size());
        } else {
            const auto firstFrac = fracDigits.find_first_not_of('0');
            if (firstFrac != std::string_view::npos) {
                significant.append(fracDigits.substr(firstFrac));
                decimalExponent -= static_cast<std::int64_t>(firstFrac);
            }
        }
        const auto last = significant.find_last_not_of('0');
        significant.erase(last == std::string::npos ? 0 : last + 1);
    }
    if (significant.empty()) {
        return negative ? -0.0L : 0.0L;
    }

    std::string normalized = negative ? "-0." : "0.";
    normalized += significant;
    normalized += 'e';
    normalized += std::to_string(decimalExponent);

    const locale_t locale = cLocale();
    if (locale == static_cast<locale_t>(nullptr)) {
        return std::nullopt;
    }
    // glibc raises overflow, underflow and inexact while converting: what
    // counts is the result.
    const Extended value =
        fp::libraryArithmetic([&] { return strtold_l(normalized.c_str(), nullptr, locale); });
    if (std::isinf(value)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace tessaron
