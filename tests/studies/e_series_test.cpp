// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/e_series.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace tessaron {
namespace {

// Count, digits and values sampled from the start, the middle and the end of
// the decade of each published list.
struct SeriesCase {
    Series series;
    std::size_t count;
    int digits;
    std::vector<int> samples;
};

TEST(ESeries, PublishedListsSampledAcrossTheDecade) {
    const std::vector<SeriesCase> cases = {
        {Series::E6, 6, 2, {10, 15, 22, 33, 47, 68}},
        {Series::E12, 12, 2, {10, 12, 18, 27, 39, 56, 82}},
        {Series::E24, 24, 2, {10, 11, 13, 16, 20, 24, 30, 36, 43, 51, 62, 75, 91}},
        {Series::E48,
         48,
         3,
         {100, 105, 121, 147, 178, 215, 261, 316, 383, 464, 562, 681, 825, 953}},
        {Series::E96,
         96,
         3,
         {100, 102, 107, 124, 137, 158, 191, 232, 280, 340, 412, 499, 604, 732, 887, 976}},
        {Series::E192, 192, 3, {100, 101, 104, 109, 117, 129, 145, 164, 189, 218, 252,
                                291, 336, 388, 448, 517, 597, 690, 796, 898, 920, 988}},
    };
    for (const SeriesCase& c : cases) {
        SCOPED_TRACE(seriesName(c.series));
        const std::span<const int> values = seriesSignificands(c.series);
        EXPECT_EQ(values.size(), c.count);
        EXPECT_EQ(seriesDigits(c.series), c.digits);
        EXPECT_TRUE(std::is_sorted(values.begin(), values.end()));
        EXPECT_EQ(std::adjacent_find(values.begin(), values.end()), values.end());
        for (int sample : c.samples) {
            EXPECT_TRUE(std::binary_search(values.begin(), values.end(), sample)) << sample;
        }
    }
}

// The lists are published, not computed: where a value departs from the
// rounded 10^(i/n), the published one must be there and the rounded one not.
TEST(ESeries, KeepsThePublishedValuesWhereTheyDepartFromTheGeometricOnes) {
    struct Departure {
        Series series;
        int published;
        int geometric;
    };
    const std::vector<Departure> departures = {
        {Series::E24, 27, 26},    {Series::E24, 30, 29}, {Series::E24, 33, 32},
        {Series::E24, 36, 35},    {Series::E24, 39, 38}, {Series::E24, 43, 42},
        {Series::E24, 47, 46},    {Series::E24, 82, 83}, {Series::E12, 27, 26},
        {Series::E12, 82, 83},    {Series::E6, 33, 32},  {Series::E6, 47, 46},
        {Series::E192, 920, 919},
    };
    for (const Departure& d : departures) {
        const std::span<const int> values = seriesSignificands(d.series);
        EXPECT_TRUE(std::binary_search(values.begin(), values.end(), d.published))
            << seriesName(d.series) << " " << d.published;
        EXPECT_FALSE(std::binary_search(values.begin(), values.end(), d.geometric))
            << seriesName(d.series) << " " << d.geometric;
    }
}

// E48, E96 and E192 have three digits throughout; everywhere but 9.20 of E192
// they are the rounded geometric values, which checks every entry typed.
TEST(ESeries, ThreeDigitListsFollowTheGeometricRuleButForOne) {
    for (Series series : {Series::E48, Series::E96, Series::E192}) {
        const std::span<const int> values = seriesSignificands(series);
        const auto n = static_cast<double>(values.size());
        int departures = 0;
        for (std::size_t i = 0; i < values.size(); ++i) {
            const auto geometric =
                static_cast<int>(std::lround(100 * std::pow(10.0, static_cast<double>(i) / n)));
            departures += values[i] != geometric;
        }
        EXPECT_EQ(departures, series == Series::E192 ? 1 : 0) << seriesName(series);
    }
}

// Each coarser series is every second value of the next finer one.
TEST(ESeries, CoarserSeriesAreEverySecondValueOfTheFinerOne) {
    const std::vector<std::pair<Series, Series>> pairs = {{Series::E6, Series::E12},
                                                          {Series::E12, Series::E24},
                                                          {Series::E48, Series::E96},
                                                          {Series::E96, Series::E192}};
    for (const auto& [coarse, fine] : pairs) {
        const std::span<const int> c = seriesSignificands(coarse);
        const std::span<const int> f = seriesSignificands(fine);
        ASSERT_EQ(2 * c.size(), f.size());
        for (std::size_t i = 0; i < c.size(); ++i) {
            EXPECT_EQ(c[i], f[2 * i]) << seriesName(coarse) << " " << i;
        }
    }
}

TEST(ESeries, ExactHasNoList) {
    EXPECT_TRUE(seriesSignificands(Series::Exact).empty());
    EXPECT_EQ(seriesDigits(Series::Exact), 0);
    EXPECT_EQ(seriesName(Series::Exact), "exact");
    EXPECT_EQ(seriesName(Series::E192), "E192");
}

}  // namespace
}  // namespace tessaron
