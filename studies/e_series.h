// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <span>
#include <string_view>

namespace tessaron {

// The preferred-number series of IEC 60063 a part can be chosen from, or the
// design's value kept as it is.
enum class Series { Exact, E6, E12, E24, E48, E96, E192 };

inline constexpr std::array<Series, 7> kAllSeries = {
    Series::Exact, Series::E6, Series::E12, Series::E24, Series::E48, Series::E96, Series::E192};

// "exact", "E6", ... "E192".
std::string_view seriesName(Series series);

// Significant digits of the series' values: 2 for E6 to E24 (4.7), 3 for E48
// to E192 (4.75); 0 for Exact.
int seriesDigits(Series series);

// One decade of the series as whole numbers of its digits, ascending: 10, 15,
// 22, 33, 47, 68 for E6; 100, 105, ... 953 for E48. Empty for Exact.
std::span<const int> seriesSignificands(Series series);

}  // namespace tessaron
