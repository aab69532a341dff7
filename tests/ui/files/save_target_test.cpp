// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/files/save_target.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "tests/ui/support/recording_dialogs.h"
#include "ui/files/chart_file_types.h"

namespace tessaron::test {
namespace {

const std::array<SaveFileType, 1> kCsv{{{"CSV files (*.csv)", "csv"}}};

std::vector<SaveFileType> chartTypes() {
    std::vector<SaveFileType> types;
    for (const ChartFileType& type : chartFileTypes()) {
        types.push_back(type.file);
    }
    return types;
}

struct TargetCase {
    const char* name;
    std::vector<SaveFileType> types;
    SaveFileAnswer answer;
    QString path;
    int type;
};

class SaveTargetOf : public ::testing::TestWithParam<TargetCase> {};

TEST_P(SaveTargetOf, TakesTheTypeFromTheSuffixOrTheFilter) {
    const SaveTarget target = saveTarget(GetParam().answer, GetParam().types);
    EXPECT_EQ(target.path, GetParam().path);
    EXPECT_EQ(target.type, GetParam().type);
}

// Chart filters: 0 SVG, 1 PDF, 2 PNG, 3 PNG 2×, 4 PNG 4×.
const std::vector<SaveFileType> kCsvTypes(kCsv.begin(), kCsv.end());

INSTANTIATE_TEST_SUITE_P(
    Answers, SaveTargetOf,
    ::testing::Values(
        TargetCase{"NoSuffixGetsTheFilters", kCsvTypes, {"/d/a", 0}, "/d/a.csv", 0},
        TargetCase{"SuffixKept", kCsvTypes, {"/d/a.csv", 0}, "/d/a.csv", 0},
        TargetCase{"SuffixInCapitals", kCsvTypes, {"/d/a.CSV", 0}, "/d/a.CSV", 0},
        TargetCase{"OtherSuffixKept", kCsvTypes, {"/d/a.txt", 0}, "/d/a.txt", 0},
        TargetCase{"DotsInTheFolderAreNoSuffix", kCsvTypes, {"/d/v1.2/a", 0}, "/d/v1.2/a.csv", 0},
        TargetCase{"FilterOutOfRange", kCsvTypes, {"/d/a", 7}, "/d/a.csv", 0},
        TargetCase{"PngTwiceBySuffixlessName", chartTypes(), {"/d/p", 3}, "/d/p.png", 3},
        TargetCase{"PngFourTimesWithSuffix", chartTypes(), {"/d/p.png", 4}, "/d/p.png", 4},
        TargetCase{"PngSuffixUnderSvgFilter", chartTypes(), {"/d/p.png", 0}, "/d/p.png", 2},
        TargetCase{"PdfSuffixUnderPngFilter", chartTypes(), {"/d/p.pdf", 3}, "/d/p.pdf", 1},
        TargetCase{"SvgSuffixUnderPdfFilter", chartTypes(), {"/d/p.svg", 1}, "/d/p.svg", 0},
        TargetCase{"UnknownSuffixTakesTheFilter", chartTypes(), {"/d/p.jpg", 1}, "/d/p.jpg", 1}),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace tessaron::test
