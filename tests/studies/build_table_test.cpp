// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/build_table.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace tessaron {
namespace {

// Butterworth order 2, multiple-feedback, Rx 10 kOhm, fc 1 kHz, as the report
// gives it (R1, R2, R3, C1, C2).
DesignParts butterworth2(double c1 = 3.37618723034643e-8) {
    DesignParts design;
    design.topology = kindOf<MultipleFeedback>;
    design.fc = 1000;
    design.values = {1e4, 1e4, 1e4, c1, 7.50263364629376e-9};
    return design;
}

std::vector<std::string> cells(const BuildTableRow& row) {
    return {row.stage, row.item, row.exact, row.standard, row.deviation};
}

struct TableCase {
    const char* name;
    double c1;
    const char* separator;
    std::vector<std::vector<std::string>> rows;
};

// E24/E12: C1 33.76 nF becomes 33 nF (-2.26 %), C2 7.503 nF is above the
// midpoint sqrt(6.8 * 8.2) = 7.467 nF and becomes 8.2 nF (+9.29 %); with equal
// resistors fn = 1 / (2 pi 10k sqrt(33n 8.2n)) = 967.512 Hz and
// Q = sqrt(33 / 8.2) / 3 = 0.668696.
TEST(BuildTable, RowsShowEachPartAndStageFigureExactBesideStandard) {
    const TableCase cases[] = {
        {"E24/E12",
         3.37618723034643e-8,
         ".",
         {{"Unit 0", "R1", "10 kΩ", "10 kΩ", "+0.00 %"},
          {"Unit 0", "R2", "10 kΩ", "10 kΩ", "+0.00 %"},
          {"Unit 0", "R3", "10 kΩ", "10 kΩ", "+0.00 %"},
          {"Unit 0", "C1", "33.7619 nF", "33 nF", "-2.26 %"},
          {"Unit 0", "C2", "7.50263 nF", "8.2 nF", "+9.29 %"},
          {"Unit 0", "fn", "1 kHz", "967.512 Hz", "-3.25 %"},
          {"Unit 0", "Q", "0.707107", "0.668696", "-5.43 %"}}},
        {"decimal comma",
         3.37618723034643e-8,
         ",",
         {{"Unit 0", "R1", "10 kΩ", "10 kΩ", "+0,00 %"},
          {"Unit 0", "R2", "10 kΩ", "10 kΩ", "+0,00 %"},
          {"Unit 0", "R3", "10 kΩ", "10 kΩ", "+0,00 %"},
          {"Unit 0", "C1", "33,7619 nF", "33 nF", "-2,26 %"},
          {"Unit 0", "C2", "7,50263 nF", "8,2 nF", "+9,29 %"},
          {"Unit 0", "fn", "1 kHz", "967,512 Hz", "-3,25 %"},
          {"Unit 0", "Q", "0,707107", "0,668696", "-5,43 %"}}},
        {"a zero part keeps the other rows",
         0,
         ".",
         {{"Unit 0", "R1", "10 kΩ", "10 kΩ", "+0.00 %"},
          {"Unit 0", "R2", "10 kΩ", "10 kΩ", "+0.00 %"},
          {"Unit 0", "R3", "10 kΩ", "10 kΩ", "+0.00 %"},
          {"Unit 0", "C1", "0 F", "cannot be rounded: is zero", ""},
          {"Unit 0", "C2", "7.50263 nF", "8.2 nF", "+9.29 %"},
          {"Unit 0", "fn", "n/a", "n/a", ""},
          {"Unit 0", "Q", "n/a", "n/a", ""}}},
        {"not a number",
         std::numeric_limits<double>::quiet_NaN(),
         ".",
         {{"Unit 0", "R1", "10 kΩ", "10 kΩ", "+0.00 %"},
          {"Unit 0", "R2", "10 kΩ", "10 kΩ", "+0.00 %"},
          {"Unit 0", "R3", "10 kΩ", "10 kΩ", "+0.00 %"},
          {"Unit 0", "C1", "nan F", "cannot be rounded: is not a number", ""},
          {"Unit 0", "C2", "7.50263 nF", "8.2 nF", "+9.29 %"},
          {"Unit 0", "fn", "n/a", "n/a", ""},
          {"Unit 0", "Q", "n/a", "n/a", ""}}},
    };
    for (const TableCase& c : cases) {
        SCOPED_TRACE(c.name);
        const StandardBuild build =
            chooseStandardValues(butterworth2(c.c1), {Series::E24, Series::E12});
        const std::vector<BuildTableRow> rows = buildTableRows(build, c.separator);
        std::vector<std::vector<std::string>> shown;
        for (const BuildTableRow& row : rows) {
            shown.push_back(cells(row));
        }
        EXPECT_EQ(shown, c.rows);
    }
}

TEST(BuildTable, RowsFollowStagesInOrder) {
    DesignParts design = butterworth2();
    design.values.insert(design.values.end(), {2e4, 2e4, 2e4, 1e-9, 1e-10});
    const std::vector<BuildTableRow> rows =
        buildTableRows(chooseStandardValues(design, {Series::E24, Series::E12}), ".");
    ASSERT_EQ(rows.size(), 14u);
    EXPECT_EQ(rows[7].stage, "Unit 1");
    EXPECT_EQ(rows[7].exact, "20 kΩ");
    EXPECT_EQ(rows[13].item, "Q");
}

// The second stage's R1 is the cascade's R4; its figures keep their names.
TEST(BuildTable, PartsAreNamedByTheirDesignatorsWhereGiven) {
    DesignParts design = butterworth2();
    design.values.insert(design.values.end(), {2e4, 2e4, 2e4, 1e-9, 1e-10});
    const std::vector<BuildTableRow> rows =
        buildTableRows(chooseStandardValues(design, {Series::E24, Series::E12}), ".", {},
                       designateCircuit(design.topology, 2).parts);
    EXPECT_EQ(rows[0].item, "R1 (R1)");
    EXPECT_EQ(rows[7].item, "R4 (R1)");
    EXPECT_EQ(rows[11].item, "C4 (C2)");
    EXPECT_EQ(rows[12].item, "fn");
}

struct SummaryCase {
    const char* name;
    BandSummary summary;
    bool withTrials;
    const char* separator;
    const char* text;
};

TEST(BuildTable, SummaryLine) {
    const BandSummary full{1000, 912.1216117490604, 880.5, 950, 0.12345, 0.5};
    const SummaryCase cases[] = {
        {"band done", full, true, ".",
         "-3 dB: exact 1 kHz, standard 912.122 Hz, trials 880.5 Hz to 950 Hz. Largest passband "
         "gain deviation: standard 0.123 dB, worst trial 0.5 dB."},
        {"band running", full, false, ",",
         "-3 dB: exact 1 kHz, standard 912,122 Hz. Largest passband gain deviation: standard "
         "0,123 dB."},
        {"nothing known", BandSummary{}, true, ".",
         "-3 dB: exact not reached, standard not reached, trials not reached to not reached. "
         "Largest passband gain deviation: standard n/a, worst trial n/a."},
    };
    for (const SummaryCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(bandSummaryText(c.summary, c.withTrials, c.separator), c.text);
    }
}

// With the real op-amp each stage goes on with three rows; the summary names
// the stage that needs the most GBW and whether the op-amp has it.
TEST(BuildTable, RealOpAmpRowsAndSummary) {
    const StandardBuild build = chooseStandardValues(butterworth2(), {Series::E24, Series::E12});
    const OpAmpStageRow row{0,
                            BiquadFigures{989.469190487761, 0.709507131558337},
                            BiquadFigures{957.5, 0.67},
                            -3.2,
                            -5.6,
                            MinimumGbw{fromDigits(766, 2)},
                            MinimumGbw{}};
    const std::vector<BuildTableRow> rows = buildTableRows(build, ",", std::vector{row});
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_EQ(cells(rows[7]), (std::vector<std::string>{"Unit 0", "fn, real op-amp", "989,469 Hz",
                                                        "957,5 Hz", "-3,20 %"}));
    EXPECT_EQ(cells(rows[8]), (std::vector<std::string>{"Unit 0", "Q, real op-amp", "0,709507",
                                                        "0,67", "-5,60 %"}));
    EXPECT_EQ(cells(rows[9]), (std::vector<std::string>{"Unit 0", "minimum GBW", "76,6 kHz",
                                                        "more than 100 GHz", ""}));
    const OpAmpModel opAmp{OpAmpKind::Real, 1e6, 100, 0};
    EXPECT_EQ(opAmpSummaryText(std::vector{row}, opAmp, "."),
              "Op-amp: GBW 1 MHz, A0 100 dB. Most GBW needed: Unit 0, more than 100 GHz, more "
              "than the op-amp's.");
    OpAmpStageRow enough = row;
    enough.standardMinimum = MinimumGbw{fromDigits(766, 2)};
    EXPECT_EQ(opAmpSummaryText(std::vector{enough}, opAmp, "."),
              "Op-amp: GBW 1 MHz, A0 100 dB. Most GBW needed: Unit 0, 76.6 kHz, within the "
              "op-amp's.");
    const std::vector<BuildTableRow> ideal = buildTableRows(build, ",");
    ASSERT_EQ(ideal.size(), 7u);
    for (std::size_t i = 0; i < ideal.size(); ++i) {
        EXPECT_EQ(cells(ideal[i]), cells(rows[i]));
    }
}

TEST(BuildTable, TabSeparatedForASpreadsheet) {
    const std::vector<BuildTableRow> rows{{"Unit 0", "R1", "10 kΩ", "10 kΩ", "+0.00 %"},
                                          {"Unit 0", "Q", "0.707107", "n/a", ""}};
    EXPECT_EQ(tabSeparatedTable(rows, "-3 dB: exact 1 kHz."),
              "Stage\tPart\tExact\tStandard\tDeviation\n"
              "Unit 0\tR1\t10 kΩ\t10 kΩ\t+0.00 %\n"
              "Unit 0\tQ\t0.707107\tn/a\t\n"
              "-3 dB: exact 1 kHz.\n");
}

}  // namespace
}  // namespace tessaron
