// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/sensitivity_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace tessaron {
namespace {

// Multiple feedback with equal resistors, all E24/E12 values already: S of fn
// is 0 to R1 and -1/2 to the others; S of Q is 1/3, -1/6, -1/6, 1/2, -1/2
// (worked out in the sensitivities' own tests).
struct Table {
    explicit Table(const char* separator = ".") {
        DesignParts design;
        design.topology = kindOf<MultipleFeedback>;
        design.fc = 1000;
        design.values = {1e4, 1e4, 1e4, 33e-9, 8.2e-9};
        parts = chosenParts(chooseStandardValues(design, {}), {});
        sensitivities = partSensitivities(design.topology, design.values,
                                          partTolerances(design.topology, 5, {}), 1000);
        rows = sensitivityTableRows(sensitivities, parts, designators.parts, separator);
    }
    const SensitivityTableRow& of(std::size_t part) const {
        return *std::find_if(rows.begin(), rows.end(),
                             [&](const auto& r) { return r.part == part; });
    }
    std::vector<ShownPart> parts;
    CircuitDesignators designators = designateCircuit(kindOf<MultipleFeedback>, 1);
    Sensitivities sensitivities;
    std::vector<SensitivityTableRow> rows;
};

std::vector<std::string> texts(const SensitivityTableRow& row) {
    std::vector<std::string> t;
    for (const SensitivityCell& cell : row.cells) {
        t.push_back(cell.text);
    }
    return t;
}

TEST(SensitivityTable, APartsRowShowsItsNameValueAndSensitivities) {
    const Table table;
    ASSERT_EQ(table.rows.size(), 5u);
    std::vector<std::string> r1 = texts(table.of(0));
    r1.pop_back();  // its share, checked below
    EXPECT_EQ(r1, (std::vector<std::string>{"R1 (R1)", "Unit 0", "10 kΩ", "0.000", "0.333"}));
    EXPECT_EQ(texts(table.of(4))[4], "-0.500");
    EXPECT_EQ(table.of(4).cells[2].key, 8.2e-9);
    EXPECT_EQ(texts(Table(",").of(1))[3], "-0,500");
}

TEST(SensitivityTable, SharesAddUpAndComeLargestFirst) {
    const Table table;
    double sum = 0;
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        sum += table.rows[i].cells[5].key;
        if (i > 0) {
            EXPECT_GE(table.rows[i - 1].cells[5].key, table.rows[i].cells[5].key);
        }
    }
    EXPECT_NEAR(sum, 1, 1e-12);
}

// C1 and C2 share the largest |S Q|; the first of equals is named.
TEST(SensitivityTable, TheSummaryNamesThePartThatMovesQMost) {
    const Table table;
    EXPECT_EQ(qualityMoverText(table.sensitivities, table.designators.parts, "."),
              "Q moves most with C1 (Unit 0 C1): S Q 0.500.");
    EXPECT_EQ(qualityMoverText({}, table.designators.parts, "."), "");
}

}  // namespace
}  // namespace tessaron
