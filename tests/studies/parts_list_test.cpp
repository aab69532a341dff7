// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/parts_list.h"

#include <gtest/gtest.h>

#include <clocale>

#include "tests/support/comma_locale.h"

namespace tessaron {
namespace {

// Butterworth order 4, multiple-feedback, Rx 10 kOhm: every resistor 10 kOhm.
// With equal resistors C1 / C2 = 9 Q^2 and sqrt(C1 C2) = 1 / (2 pi 10k 1 kHz)
// = 15.915 nF: Q 0.5412 gives C1 25.84 nF, C2 9.80 nF; Q 1.3066 gives
// C1 62.38 nF and C2 4.06 nF, which is moved to 9.5 nF here so that two
// capacitors share a value. In E12, 25.84 nF lies above sqrt(22 * 27) = 24.37
// and becomes 27 nF, 9.80 nF and 9.5 nF lie above sqrt(8.2 * 10) = 9.06 and
// become 10 nF, 62.38 nF lies above sqrt(56 * 68) = 61.71 and becomes 68 nF.
DesignParts butterworth4() {
    DesignParts design;
    design.topology = kindOf<MultipleFeedback>;
    design.fc = 1000;
    design.values = {1e4, 1e4, 1e4, 25.84e-9, 9.80e-9, 1e4, 1e4, 1e4, 62.38e-9, 9.5e-9};
    return design;
}

constexpr const char* kButterworth4Csv =
    "Designators,Quantity,Value,Value (SI),Series,Tolerance (%),Kind\n"
    "\"R1, R2, R3, R4, R5, R6\",6,10 kΩ,10000,E24,1,resistor\n"
    "\"C2, C4\",2,10 nF,1e-08,E12,5,capacitor\n"
    "C1,1,27 nF,2.7e-08,E12,5,capacitor\n"
    "C3,1,68 nF,6.8e-08,E12,5,capacitor\n"
    "\"U1, U2\",2,,,,,op-amp\n";

TEST(PartsList, EqualValuesShareARowWithTheirCount) {
    const DesignParts design = butterworth4();
    const SeriesChoice series{Series::E24, Series::E12};
    const std::vector<PartsListRow> rows =
        partsList(chosenParts(chooseStandardValues(design, series), series),
                  designateCircuit(design.topology, 2), {0.01, 0.05});
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0].quantity(), 6);
    EXPECT_EQ(rows[1].designators, (std::vector<std::string>{"C2", "C4"}));
    EXPECT_EQ(rows[4].kind, DesignatorKind::OpAmp);
    EXPECT_EQ(partsListCsv(rows), kButterworth4Csv);
}

// The numbers keep their full stops where the program's and the C library's
// locales write decimal commas.
TEST(PartsList, CsvIgnoresTheLocale) {
    const test::GlobalCommaLocale cpp;
    const test::CommaNumericLocale c;
    ASSERT_TRUE(c.active()) << "run scripts/install-deps";
    const DesignParts design = butterworth4();
    const SeriesChoice series{Series::E24, Series::E12};
    EXPECT_EQ(partsListCsv(partsList(chosenParts(chooseStandardValues(design, series), series),
                                     designateCircuit(design.topology, 2), {0.01, 0.05})),
              kButterworth4Csv);
}

// Kept exactly, a part keeps the design's value to the last bit, and one that
// cannot be rounded stands alone after the others of its kind.
TEST(PartsList, ExactValuesAndFaultsKeepTheirOwnRows) {
    DesignParts design = butterworth4();
    design.values[3] = 0;
    const std::vector<PartsListRow> rows =
        partsList(exactParts(design), designateCircuit(design.topology, 2), {0.001, 0.01});
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[1].valueText, "9.5 nF");
    EXPECT_EQ(*rows[3].value, 62.38e-9);
    EXPECT_EQ(rows[4].valueText, "cannot be rounded: is zero");
    EXPECT_NE(
        partsListCsv(rows).find("\n\"R1, R2, R3, R4, R5, R6\",6,10 kΩ,10000,exact,0.1,resistor\n"),
        std::string::npos);
}

}  // namespace
}  // namespace tessaron
