// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/termination_fields.h"

#include <algorithm>
#include <limits>

#include "studies/quantity_text.h"

namespace tessaron {
namespace {

constexpr QuantityForm kResistanceForm{"Ω", true};

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool meansOpen(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return text.empty() || std::ranges::equal(text, kOpenLoadText, {}, lower);
}

}  // namespace

FieldReading readSourceResistanceField(std::string_view text, std::string_view decimalSeparator) {
    const Quantity q = readQuantity(text, kResistanceForm, decimalSeparator);
    if (q.fault == QuantityFault::Empty || q.fault == QuantityFault::NotANumber) {
        return {std::nullopt, "The source resistance is not a number."};
    }
    if (q.fault == QuantityFault::TooLarge) {
        return {std::nullopt, "The source resistance must be finite."};
    }
    if (q.value < 0) {
        return {std::nullopt, "The source resistance cannot be negative."};
    }
    return {q.value, {}};
}

FieldReading readLoadResistanceField(std::string_view text, std::string_view decimalSeparator) {
    if (meansOpen(text)) {
        return {std::numeric_limits<double>::infinity(), {}};
    }
    const Quantity q = readQuantity(text, kResistanceForm, decimalSeparator);
    if (q.fault == QuantityFault::NotANumber) {
        return {std::nullopt, "The load resistance is not a number; \"open\" is no load."};
    }
    if (q.fault == QuantityFault::TooLarge) {
        return {std::nullopt, "The load resistance must be finite; \"open\" is no load."};
    }
    if (!(q.value > 0)) {
        return {std::nullopt, "The load resistance must be above 0 Ω; \"open\" is no load."};
    }
    return {q.value, {}};
}

}  // namespace tessaron
