// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/engine/design_run_fixture.h"

namespace tessaron {
namespace {

struct ExactReport {
    const char* name;
    TopologyKind topology;
    int method;
    FilterFamily family;
    int order;
    const char* first0;
    const char* second0;
    Lines expected;
};

TEST_F(DesignRunTest, ReportsComeOutToTheCharacter) {
    const ExactReport cases[] = {
        {"MF Butterworth 2nd Fix Rx", MF, 1, Butterworth, 2, "10000", "0",
         header(1) + block(0,
                           mfLines("10000", "10000", "3.37618723034643E-8", "7.50263364629376E-9"),
                           "1000", "0.707107")},
        {"MF Bessel 2nd Fix Rx", MF, 1, Bessel, 2, "10000", "0",
         header(1) + block(0,
                           mfLines("10000", "10000", "2.16343053823825E-8", "7.21144185213035E-9"),
                           "1274.2", "0.57735")},
        {"MF Butterworth 2nd Fix C2", MF, 2, Butterworth, 2, "0", "1E-8",
         header(2) +
             block(0, mfLines("11253.9504694406", "5626.97523472032", "4.000002475592E-8", "1E-8"),
                   "1000", "0.707107")},
        {"MF Bessel 2nd Fix C2", MF, 2, Bessel, 2, "0", "1E-8",
         header(2) + block(0,
                           mfLines("10817.1627781955", "5408.58138909776", "2.66666418E-8", "1E-8"),
                           "1274.2", "0.57735")},
        {"MF Butterworth 4th Fix Rx", MF, 1, Butterworth, 4, "10000", "0",
         header(1) +
             block(0, mfLines("10000", "10000", "2.58402055744684E-8", "9.80266810865166E-9"),
                   "1000", "0.541196") +
             block(1, mfLines("10000", "10000", "6.23837879732928E-8", "4.06039721753168E-9"),
                   "1000", "1.306563")},
        {"MF Chebyshev 4th Fix C2", MF, 2, Chebyshev, 4, "0", "1E-8",
         header(2) +
             block(0, mfLines("18904.2273162192", "9452.11365810959", "3.9774408968E-8", "1E-8"),
                   "597", "0.70511") +
             block(1, mfLines("2624.15318528535", "1312.07659264267", "6.917467442E-7", "1E-8"),
                   "1031.27", "2.94055")},
        {"SK Butterworth 2nd Fix Rx", SK, 1, Butterworth, 2, "10000", "0",
         header(1) + block(0,
                           {"  R1 := 10000 (ohm)", "  R2 := 10000 (ohm)",
                            "  C1 := 2.25079148689762E-8 (F)", "  C2 := 1.12539504694406E-8 (F)"},
                           "1000", "0.707107")},
    };
    for (const ExactReport& c : cases) {
        SCOPED_TRACE(c.name);
        Tab t = tab(c.topology, "1000", c.first0, c.second0);
        calc(t, c.method, c.family, c.order);
        EXPECT_EQ(t.report.lines, c.expected);
        EXPECT_TRUE(t.messages.shown.empty());
    }
}

struct ApproximateReport {
    const char* name;
    TopologyKind topology;
    int method;
    FilterFamily family;
    int order;
    const char* first0;
    const char* second0;
    std::vector<std::pair<std::size_t, long double>> values;  // line index, value
    long double tolerance;                                    // relative
};

TEST_F(DesignRunTest, ReportedValuesMatchTheWorkedDesigns) {
    const ApproximateReport cases[] = {
        {"SK Butterworth 2nd Fix C2",
         SK,
         2,
         Butterworth,
         2,
         "0",
         "1E-8",
         {{3, 11253.9504694L},
          {4, 11253.9504694L},
          {5, 2.00000123780E-8L},
          {6, 1e-8L},
          {7, 1000},
          {8, 0.707107L}},
         5e-12L},
        {"SK Bessel 4th Fix Rx",
         SK,
         1,
         Bessel,
         4,
         "10000",
         "0",
         {{5, 1.15849856510E-8L},
          {6, 1.06563892201E-8L},
          {7, 1432.41L},
          {8, 0.52133L},
          {13, 1.59664337221E-8L},
          {14, 6.15139633933E-9L},
          {15, 1605.94L},
          {16, 0.80554L}},
         5e-12L},
        {"SK Chebyshev 4th Fix C2",
         SK,
         2,
         Chebyshev,
         4,
         "0",
         "1E-8",
         {{3, 18904.2273162L},
          {5, 1.98872044840E-8L},
          {7, 597},
          {8, 0.70511L},
          {11, 2624.15318529L},
          {13, 3.45873372100E-7L},
          {15, 1031.27L},
          {16, 2.94055L}},
         5e-12L},
        {"PS Butterworth 2nd Fix L",
         PS,
         1,
         Butterworth,
         2,
         "0.1",
         "0",
         {{3, 888.5763127L}, {4, 0.1L}, {5, 2.533029591e-7L}, {6, 1000}, {7, 0.707107L}},
         5e-10L},
        {"PS Butterworth 2nd Fix C",
         PS,
         2,
         Butterworth,
         2,
         "0",
         "1e-7",
         {{3, 2250.790094L}, {4, 0.2533029591L}, {5, 1e-7L}},
         5e-10L},
        {"PS Bessel 2nd Fix C",
         PS,
         2,
         Bessel,
         2,
         "0",
         "1e-7",
         {{3, 2163.432556L}, {4, 0.1560145353L}, {6, 1274.2L}, {7, 0.57735L}},
         5e-10L},
        {"PS Chebyshev 4th Fix L",
         PS,
         1,
         Chebyshev,
         4,
         "0.01",
         "0",
         {{10, 22.03553931L}, {12, 2.381746277e-6L}, {13, 1031.27L}, {14, 2.94055L}},
         5e-10L},
    };
    for (const ApproximateReport& c : cases) {
        SCOPED_TRACE(c.name);
        Tab t = tab(c.topology, "1000", c.first0, c.second0);
        calc(t, c.method, c.family, c.order);
        for (const auto& [index, value] : c.values) {
            ASSERT_LT(index, t.report.lines.size());
            EXPECT_LT(std::fabs(valueOf(t.report.lines[index]) / value - 1), c.tolerance)
                << t.report.lines[index];
        }
    }
}

TEST_F(DesignRunTest, ReportLengthFollowsStagesAndComponents) {
    struct Case {
        TopologyKind topology;
        int order;
        std::size_t lines;
    };
    for (const Case& c : {Case{MF, 8, 38}, Case{PS, 4, 16}, Case{SK, 2, 10}, Case{SK, 8, 34},
                          Case{MF, 2, 11}, Case{PS, 8, 30}}) {
        Tab t = tab(c.topology, "1000", "10000", "1e-8");
        calc(t, 1, Chebyshev, c.order);
        EXPECT_EQ(t.report.lines.size(), c.lines);
        EXPECT_EQ(t.report.lines.back(), "------------------------");
    }
}

TEST_F(DesignRunTest, OrderEightStagesAppearInTableOrder) {
    Tab t = tab(MF, "1000", "10000", "0");
    calc(t, 1, Chebyshev, 8);
    const char* fcs[] = {"296.74", "598.87", "861.01", "1005.95"};
    const char* qs[] = {"0.67657", "1.61068", "3.46567", "11.5308"};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(t.report.lines[2 + 9 * i], "<Unit " + std::to_string(i) + ">");
        EXPECT_EQ(t.report.lines[8 + 9 * i], std::string(" *fc := ") + fcs[i] + " (Hz)");
        EXPECT_EQ(t.report.lines[9 + 9 * i], std::string("  *Q := ") + qs[i]);
    }
}

TEST_F(DesignRunTest, UnusedFieldsAndPagesNeverChangeTheDesign) {
    Tab plain = tab(SK, "1000", "10000", "0");
    calc(plain, 1, Butterworth, 4);
    Tab noisy = tab(SK, "1000", "10000", "3.3e-9");
    noisy.fields.first[2] = "1";  // beyond the last stage of a 4th-order design
    noisy.fields.second[1] = "4.7e-9";
    calc(noisy, 1, Butterworth, 4);
    EXPECT_EQ(plain.report.lines, noisy.report.lines);
}

TEST_F(DesignRunTest, ALaterPageValueSizesItsOwnStage) {
    Tab t = tab(MF, "1000", "10000", "0");
    t.fields.first[2] = "0";
    t.fields.first[3] = "20000";
    calc(t, 1, Butterworth, 8);
    EXPECT_EQ(t.report.lines[3 + 9 * 2], "  R1 := 10000 (ohm)");
    EXPECT_EQ(t.report.lines[3 + 9 * 3], "  R1 := 20000 (ohm)");
}

TEST_F(DesignRunTest, NegativeGivenValuesKeepFiguresAndCurves) {
    Tab positive = tab(SK, "1000", "10000", "0");
    Tab negative = tab(SK, "1000", "-10000", "0");
    calc(positive, 1, Butterworth, 2);
    calc(negative, 1, Butterworth, 2);
    EXPECT_EQ(negative.report.lines[3], "  R1 := -10000 (ohm)");
    EXPECT_EQ(negative.report.lines[5], "  C1 := -2.25079148689762E-8 (F)");
    EXPECT_EQ(negative.report.lines[7], positive.report.lines[7]);
    EXPECT_EQ(negative.report.lines[8], positive.report.lines[8]);
    ASSERT_EQ(negative.gain.points.size(), positive.gain.points.size());
    for (std::size_t k = 0; k < positive.gain.points.size(); k += 997) {
        EXPECT_EQ(negative.gain.points[k].y, positive.gain.points[k].y);
        EXPECT_EQ(negative.phase.points[k].y, positive.phase.points[k].y);
    }
}

TEST_F(DesignRunTest, ZeroFcStopsAfterTheHeaderAndKeepsThePlots) {
    for (std::size_t kind = 0; kind < Topologies::size; ++kind) {
        const auto topology = static_cast<TopologyKind>(kind);
        for (int method : {1, 2}) {
            SCOPED_TRACE(::testing::Message() << nameOf(topology) << "/" << method);
            Tab t = tab(topology, "1000", "10000", "1e-8");
            calc(t, method, Bessel, 4);
            const auto previousGain = t.gain.points;
            t.report.lines.clear();
            t.fields.fc = "0";
            EXPECT_THROW(calc(t, method, Bessel, 4), EZeroDivide);
            EXPECT_EQ(t.report.lines, header(method));
            EXPECT_TRUE(t.messages.shown.empty());
            EXPECT_EQ(t.gain.points.size(), previousGain.size());
            EXPECT_EQ(t.gain.points.back().x, previousGain.back().x);
            EXPECT_EQ(t.gain.clears, 1);
            EXPECT_EQ(t.phase.clears, 1);
        }
    }
}

TEST_F(DesignRunTest, UnreadableOrZeroInputsStopLikeZeroFc) {
    struct Case {
        TopologyKind topology;
        int method;
        const char* fc;
        const char* first0;
        const char* second0;
        Lines messages;
    };
    const Case cases[] = {
        {MF, 1, "x", "10000", "1e-8", {"Cannot convert fc."}},
        {MF, 1, "1000", "0", "1e-8", {}},
        {SK, 2, "1000", "10000", "0", {}},
        {PS, 1, "1000", "abc", "1e-8", {"Cannot convert L."}},
        {PS, 2, "0", "0", "0", {}},
    };
    for (const Case& c : cases) {
        Tab t = tab(c.topology, c.fc, c.first0, c.second0);
        t.fields.first[1] = "0";
        EXPECT_THROW(calc(t, c.method, Butterworth, 4), EZeroDivide);
        EXPECT_EQ(t.report.lines, header(c.method));
        EXPECT_EQ(t.messages.shown, c.messages);
        EXPECT_EQ(t.gain.clears, 0);
    }
}

TEST_F(DesignRunTest, AFaultAtALaterStageKeepsTheCompleteBlocksBeforeIt) {
    // Stage 1's resistance is so small that 1 / (omega k Rx) leaves the range.
    Tab t = tab(MF, "1000", "10000", "0");
    t.fields.first[1] = "1e-4940";
    EXPECT_THROW(calc(t, 1, Butterworth, 4), EOverflow);
    ASSERT_EQ(t.report.lines.size(), 2u + 9u);
    EXPECT_EQ(t.report.lines[2], "<Unit 0>");
    EXPECT_EQ(t.report.lines.back(), "------------------------");
    EXPECT_EQ(t.gain.clears, 0);

    // The unit keeps working normally afterwards.
    Tab again = tab(MF, "1000", "10000", "0");
    calc(again, 1, Butterworth, 4);
    EXPECT_EQ(again.gain.points.size(), 10000u);
}

TEST_F(DesignRunTest, TwoRunsAppendTwoReportsAndReplaceThePoints) {
    Tab t = tab(PS, "1000", "0.1", "0");
    calc(t, 1, Butterworth, 2);
    const Lines first = t.report.lines;
    t.fields.fc = "2000";
    calc(t, 1, Butterworth, 2);
    ASSERT_EQ(t.report.lines.size(), 2 * first.size());
    EXPECT_TRUE(std::equal(first.begin(), first.end(), t.report.lines.begin()));
    EXPECT_EQ(t.report.lines[first.size() + 6], " *fc := 2000 (Hz)");
    EXPECT_EQ(t.gain.points.size(), 10000u);
    EXPECT_EQ(t.gain.points.front().x, 20.0);
    EXPECT_EQ(t.gain.clears, 2);
    EXPECT_EQ(t.gain.handOvers, 2);  // all points of a run in one call
    EXPECT_EQ(t.phase.handOvers, 2);
}

TEST_F(DesignRunTest, ARunLeavesTheOtherTabsAlone) {
    Tab passive = tab(PS, "1000", "0.1", "0");
    calc(passive, 1, Butterworth, 2);
    const Lines passiveLines = passive.report.lines;
    const auto passivePoints = passive.gain.points;
    const Extended inductance = request.GivenInductance[0];

    Tab mf = tab(MF, "500", "10000", "0");
    calc(mf, 1, Bessel, 8);
    EXPECT_EQ(passive.report.lines, passiveLines);
    EXPECT_EQ(passive.gain.points.size(), passivePoints.size());
    EXPECT_EQ(request.GivenInductance[0], inductance);
}

}  // namespace
}  // namespace tessaron
