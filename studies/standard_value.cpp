// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/standard_value.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tessaron {
namespace {

// 10^0 to 10^22: every one of them is a double without rounding.
constexpr std::array<double, 23> kPowersOfTen = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

constexpr int kLowestDecade = -20;
constexpr int kHighestDecade = 20;

// value * 10^power, rounded once.
double scaledByPowerOfTen(double value, int power) {
    return power >= 0 ? value * kPowersOfTen[static_cast<std::size_t>(power)]
                      : value / kPowersOfTen[static_cast<std::size_t>(-power)];
}

int intPower10(int digits) {
    int p = 1;
    for (int i = 0; i < digits; ++i) {
        p *= 10;
    }
    return p;
}

}  // namespace

StandardValue fromDigits(int significand, int exponent) {
    return {significand, exponent, scaledByPowerOfTen(significand, exponent)};
}

std::string_view faultText(ValueFault fault) {
    switch (fault) {
        case ValueFault::None:
            return "";
        case ValueFault::NotANumber:
            return "is not a number";
        case ValueFault::Infinite:
            return "is infinite";
        case ValueFault::Zero:
            return "is zero";
        case ValueFault::Negative:
            return "is negative";
        case ValueFault::OutsideDecades:
            return "lies outside 1E-20 to 1E21, where no standard value is looked for";
    }
    return "";
}

ValueFault checkPartValue(double value) {
    if (std::isnan(value)) {
        return ValueFault::NotANumber;
    }
    if (std::isinf(value)) {
        return ValueFault::Infinite;
    }
    if (value == 0) {
        return ValueFault::Zero;
    }
    if (value < 0) {
        return ValueFault::Negative;
    }
    return ValueFault::None;
}

RoundedValue nearestStandardValue(double value, Series series) {
    if (const ValueFault fault = checkPartValue(value); fault != ValueFault::None) {
        return {{}, fault};
    }
    if (series == Series::Exact) {
        return {{0, 0, value}, ValueFault::None};
    }
    if (value < kLowestRoundable || value >= kRoundableLimit) {
        return {{}, ValueFault::OutsideDecades};
    }
    const int digits = seriesDigits(series);
    const auto low = static_cast<double>(intPower10(digits - 1));
    const auto high = static_cast<double>(intPower10(digits));

    // The decade from log10 can be one off within a few ulps of a power of
    // ten; the scaled value then lies just outside [low, high] and is pulled
    // back onto the edge, whose nearest member is the power of ten itself.
    int decade = static_cast<int>(std::floor(std::log10(value)));
    decade = std::clamp(decade, kLowestDecade, kHighestDecade);
    int exponent = decade - (digits - 1);
    double scaled = scaledByPowerOfTen(value, -exponent);
    if (scaled < low && decade > kLowestDecade) {
        --exponent;
        scaled = scaledByPowerOfTen(value, -exponent);
    } else if (scaled >= high && decade < kHighestDecade) {
        ++exponent;
        scaled = scaledByPowerOfTen(value, -exponent);
    }
    scaled = std::clamp(scaled, low, high);

    const std::span<const int> members = seriesSignificands(series);
    const auto above = std::lower_bound(members.begin(), members.end(), scaled,
                                        [](int m, double s) { return m < s; });
    int chosen;
    if (above != members.end() && *above == scaled) {
        chosen = *above;
    } else {
        // scaled >= low = members.front(), so there is a member below.
        const int a = *(above - 1);
        const int b = above == members.end() ? intPower10(digits) : *above;
        chosen = scaled >= std::sqrt(static_cast<double>(a * b)) ? b : a;
    }
    if (chosen == intPower10(digits)) {
        chosen /= 10;
        ++exponent;
    }
    return {fromDigits(chosen, exponent), ValueFault::None};
}

}  // namespace tessaron
