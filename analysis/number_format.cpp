// SPDX-License-Identifier: GPL-3.0-or-later

#include "analysis/number_format.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>

#include "mathlib/fp_guard.h"

namespace tessaron {

namespace {

constexpr int kExpandedDigits = 18;
constexpr int kShownDigits = 15;

// Fixed notation covers 0.1E-3 (0.0001) up to 0.999...E15; outside it the
// exponent form keeps tiny capacitances and huge values readable.
constexpr int kFixedMinExponent = -3;
constexpr int kFixedMaxExponent = 15;

struct Decimal {
    bool negative = false;
    std::string digits;  // no trailing zeros, never empty
    int exponent = 0;    // value = 0.d1d2d3... x 10^exponent
};

// The value rounded to 18 digits first, and only then to 15: the double rounding
// is what the report has always shown, so 0.1234567890123454999 (18 digits:
// ...345500) shows its 15th digit raised.
Decimal decompose(Extended value) {
    // Room for "-d.<17 digits>e-4951" with margin.
    std::array<char, 64> buffer{};
    // glibc may do extended arithmetic inside; its flags are not ours.
    const std::to_chars_result result = fp::libraryArithmetic([&] {
        return std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                             std::chars_format::scientific, kExpandedDigits - 1);
    });
    const char* p = buffer.data();
    Decimal d;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    std::string expanded;
    expanded.reserve(kExpandedDigits);
    for (; p != result.ptr && *p != 'e'; ++p) {
        if (*p != '.') {
            expanded.push_back(*p);
        }
    }
    int exponent10 = 0;
    if (p != result.ptr) {
        ++p;  // 'e'
        if (*p == '+') {
            ++p;
        }
        std::from_chars(p, result.ptr, exponent10);
    }
    d.exponent = exponent10 + 1;

    d.digits = expanded.substr(0, kShownDigits);
    if (expanded[kShownDigits] >= '5') {
        int i = kShownDigits - 1;
        while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9') {
            d.digits[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++d.digits[static_cast<std::size_t>(i)];
        } else {
            // 999...9 became 1000...0: one more decimal place.
            d.digits.insert(d.digits.begin(), '1');
            ++d.exponent;
        }
    }
    const auto last = d.digits.find_last_not_of('0');
    d.digits.erase(last + 1);
    return d;
}

std::string fixedNotation(const Decimal& d, std::string_view separator) {
    std::string text = d.negative ? "-" : "";
    const auto digitCount = static_cast<int>(d.digits.size());
    if (d.exponent <= 0) {
        text += '0';
        text += separator;
        text.append(static_cast<std::size_t>(-d.exponent), '0');
        text += d.digits;
    } else if (d.exponent >= digitCount) {
        text += d.digits;
        text.append(static_cast<std::size_t>(d.exponent - digitCount), '0');
    } else {
        const auto split = static_cast<std::size_t>(d.exponent);
        text.append(d.digits, 0, split);
        text += separator;
        text.append(d.digits, split);
    }
    return text;
}

std::string scientificNotation(const Decimal& d, std::string_view separator) {
    std::string text = d.negative ? "-" : "";
    text += d.digits.front();
    if (d.digits.size() > 1) {
        text += separator;
        text.append(d.digits, 1);
    }
    text += 'E';
    // std::to_string is locale-free and never writes a "+".
    text += std::to_string(d.exponent - 1);
    return text;
}

}  // namespace

std::string formatNumber(Extended value, std::string_view decimalSeparator) {
    // Classified by bits, not compared, so a NaN cannot raise an invalid
    // operation here. Checked values never get this far, but a report must not
    // die on one that did.
    if (std::isnan(value)) {
        return "NAN";
    }
    if (std::isinf(value)) {
        return std::signbit(value) ? "-INF" : "INF";
    }
    if (std::fpclassify(value) == FP_ZERO) {
        return "0";
    }
    const Decimal d = decompose(value);
    if (d.exponent >= kFixedMinExponent && d.exponent <= kFixedMaxExponent) {
        return fixedNotation(d, decimalSeparator);
    }
    return scientificNotation(d, decimalSeparator);
}

}  // namespace tessaron
