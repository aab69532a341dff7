// SPDX-License-Identifier: GPL-3.0-or-later

// "AC" and "Calc" on each tab: the routine they call, what the report and the
// charts show, and a tab's fields kept apart from the others'.
#include "tests/ui/main_window/button_actions.h"

namespace tessaron::test {
namespace {

TEST_F(ButtonActions, MultiFeedbackFixRxReportsTheSizedStage) {
    fill(kMultiFeedback, {"1000", "10000"});
    calc(kMultiFeedback);
    EXPECT_EQ(dialogs.messages, QStringList{});
    EXPECT_EQ(dialogs.errors, QStringList{});
    EXPECT_EQ(memoLines(kMultiFeedback.memo), kMultiFeedbackFixRx);
}

TEST_F(ButtonActions, SallenKeyFixRxReportsTheSizedStage) {
    fill(kSallenKey, {"1000", "10000"});
    calc(kSallenKey);
    EXPECT_EQ(dialogs.errors, QStringList{});
    EXPECT_EQ(memoLines(kSallenKey.memo),
              (QStringList{"---Result of Method 1---", "------------------------", "<Unit 0>",
                           "  R1 := 10000 (ohm)", "  R2 := 10000 (ohm)",
                           "  C1 := 2.25079148689762E-8 (F)", "  C2 := 1.12539504694406E-8 (F)",
                           " *fc := 1000 (Hz)", "  *Q := 0.707107", "------------------------"}));
}

// Each tab's reader converts that tab's fields into the shared request.
struct ReaderCase {
    const char* name;
    FormTab tab;
    void (TFormMain::*reader)();
    std::array<Extended, kMaxStages> DesignRequest::*first;
};

class Reader : public ButtonActions, public ::testing::WithParamInterface<ReaderCase> {};

TEST_P(Reader, ReadsItsOwnTabIntoTheRequest) {
    const ReaderCase& r = GetParam();
    for (const FormTab& t : kFormTabs) {
        fill(t, {"999", "999", "999"});
    }
    fill(r.tab, {"1234", "5", "7", "0", "8"});
    (window.get()->*r.reader)();
    const DesignRequest& request = window->request();
    EXPECT_EQ(request.Fc, 1234.0L);
    EXPECT_EQ(request.*r.first, (std::array<Extended, kMaxStages>{5, 5, 5, 5}));
    EXPECT_EQ(request.GivenCapacitance, (std::array<Extended, kMaxStages>{7, 8, 7, 7}));
    EXPECT_EQ(dialogs.messages, QStringList{});
}

INSTANTIATE_TEST_SUITE_P(
    Tabs, Reader,
    ::testing::Values(ReaderCase{"GetValuesMF", kMultiFeedback, &TFormMain::GetValuesMF,
                                 &DesignRequest::GivenResistance},
                      ReaderCase{"GetValuesSK", kSallenKey, &TFormMain::GetValuesSK,
                                 &DesignRequest::GivenResistance},
                      ReaderCase{"GetValuesPS", kPassive, &TFormMain::GetValuesPS,
                                 &DesignRequest::GivenInductance}),
    [](const auto& param) { return std::string(param.param.name); });

// A design on every tab with each method: the report's header names the method,
// one block per stage follows, and both charts get the whole sweep.
struct DesignCase {
    const char* name;
    FormTab tab;
    QStringList fields;
    std::size_t orderButton;  // 0, 1, 2: "2nd", "4th", "8th"
    int method;
    int stages;
};

class Design : public ButtonActions, public ::testing::WithParamInterface<DesignCase> {};

TEST_P(Design, FillsTheReportAndBothCharts) {
    const DesignCase& d = GetParam();
    fill(d.tab, d.fields);
    radio(d.tab.orders[d.orderButton]).click();
    radio(d.tab.methods[static_cast<std::size_t>(d.method - 1)]).click();
    calc(d.tab);

    EXPECT_EQ(dialogs.errors, QStringList{});
    const QStringList lines = memoLines(d.tab.memo);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.front(), QString("---Result of Method %1---").arg(d.method));
    for (int stage = 0; stage < 4; ++stage) {
        EXPECT_EQ(lines.contains(QString("<Unit %1>").arg(stage)), stage < d.stages) << stage;
    }
    EXPECT_EQ(lines.back(), "------------------------");
    for (const FormChart& chart : {d.tab.gain, d.tab.phase}) {
        EXPECT_EQ(pointCount(chart.chart), 10000) << chart.chart;
    }
    EXPECT_EQ(window->gainSeries(d.tab.topology).producedCount(), 10000u);
    const std::vector<double> frequencies = keys(d.tab.gain.chart);
    EXPECT_EQ(frequencies.front(), 10);
    EXPECT_EQ(frequencies.back(), 90001);
    EXPECT_TRUE(std::is_sorted(frequencies.begin(), frequencies.end()));
}

INSTANTIATE_TEST_SUITE_P(
    TabsAndMethods, Design,
    ::testing::Values(DesignCase{"MultiFeedbackFixRx", kMultiFeedback, {"1000", "10000"}, 1, 1, 2},
                      DesignCase{
                          "MultiFeedbackFixC2", kMultiFeedback, {"1000", "0", "1e-8"}, 2, 2, 4},
                      DesignCase{"SallenKeyFixRx", kSallenKey, {"1000", "10000"}, 2, 1, 4},
                      DesignCase{"SallenKeyFixC2", kSallenKey, {"1000", "0", "1e-8"}, 0, 2, 1},
                      DesignCase{"PassiveFixL", kPassive, {"1000", "0.01"}, 1, 1, 2},
                      DesignCase{"PassiveFixC", kPassive, {"1000", "0", "1e-6"}, 2, 2, 4}),
    [](const auto& param) { return std::string(param.param.name); });

// "Calc" derives family, order and method from the radio buttons: its report
// must equal that of the routine called directly with those values.
struct MappingCase {
    const char* name;
    FormTab tab;
    FilterFamily family;
    int order;
    int method;
    void (TFormMain::*routine)(int, int);
};

class Mapping : public ButtonActions, public ::testing::WithParamInterface<MappingCase> {};

TEST_P(Mapping, CalcCallsTheRoutineOfTheCheckedButtons) {
    const MappingCase& m = GetParam();
    const QStringList fields{"1000", "10000", "1e-8"};
    const std::size_t orderIndex = m.order == 2 ? 0 : (m.order == 4 ? 1 : 2);
    fill(m.tab, fields);
    radio(m.tab.families[static_cast<std::size_t>(m.family - 1)]).click();
    radio(m.tab.orders[orderIndex]).click();
    radio(m.tab.methods[static_cast<std::size_t>(m.method - 1)]).click();
    calc(m.tab);
    const QStringList clicked = memoLines(m.tab.memo);

    window = std::make_unique<TFormMain>();
    window->setDialogs(dialogs);
    window->setDecimalSeparatorSource([] { return QString("."); });
    fill(m.tab, fields);
    ((*window).*m.routine)(m.family, m.order);

    EXPECT_EQ(dialogs.errors, QStringList{});
    EXPECT_EQ(clicked, memoLines(m.tab.memo));
    EXPECT_EQ(clicked.count("------------------------"), 1 + m.order / 2);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, Mapping,
    ::testing::Values(
        MappingCase{"MfChebyshev8FixC2", kMultiFeedback, 3, 8, 2, &TFormMain::MethodMF2},
        MappingCase{"MfBessel2FixRx", kMultiFeedback, 2, 2, 1, &TFormMain::MethodMF1},
        MappingCase{"SkChebyshev4FixRx", kSallenKey, 3, 4, 1, &TFormMain::MethodSK1},
        MappingCase{"SkButterworth8FixC2", kSallenKey, 1, 8, 2, &TFormMain::MethodSK2},
        MappingCase{"PsBessel4FixL", kPassive, 2, 4, 1, &TFormMain::MethodPS1},
        MappingCase{"PsChebyshev2FixC", kPassive, 3, 2, 2, &TFormMain::MethodPS2}),
    [](const auto& param) { return std::string(param.param.name); });

class TabActions : public ButtonActions, public ::testing::WithParamInterface<FormTab> {};

TEST_P(TabActions, AcResetsTheNineFieldsAndNothingElse) {
    const FormTab& t = GetParam();
    fill(t, {"1000", "10000", "1e-8"});
    calc(t);
    const QStringList report = memoLines(t.memo);
    fill(t, {"1000", "10000", "2.2e-9", "x", "y", "1", "2", "3", "4"});
    radio(t.families[2]).click();
    radio(t.orders[1]).click();
    auto& stages = named<QTabWidget>(t.stageNotebook);
    stages.setCurrentIndex(2);
    const FormTab& other = t.topology == kPassive.topology ? kMultiFeedback : kPassive;
    edit(other.fc).setText("1234");

    click(t.allClear);

    for (const char* field : fieldNames(t)) {
        EXPECT_EQ(edit(field).text(), "0") << field;
    }
    EXPECT_EQ(memoLines(t.memo), report);
    EXPECT_EQ(pointCount(t.gain.chart), 10000);
    EXPECT_EQ(pointCount(t.phase.chart), 10000);
    EXPECT_TRUE(radio(t.families[2]).isChecked());
    EXPECT_TRUE(radio(t.orders[1]).isChecked());
    EXPECT_EQ(stages.currentIndex(), 2);
    EXPECT_EQ(edit(other.fc).text(), "1234");
    EXPECT_EQ(dialogs.messages, QStringList{});
    EXPECT_EQ(dialogs.errors, QStringList{});
}

TEST_P(TabActions, ConversionMessagesComeInFieldOrder) {
    const FormTab& t = GetParam();
    fill(t, {"abc", "x", "1,5", "-", "", "+", "e5", "1e", ". ."});
    calc(t);
    const bool passive = t.topology == kPassive.topology;
    const QString first = passive ? "Cannot convert L." : "Cannot convert RX.";
    const QString second = passive ? "Cannot convert C." : "Cannot convert C2.";
    QStringList expected{"Cannot convert fc."};
    for (int stage = 0; stage < 4; ++stage) {
        expected << first << second;
    }
    // "1e" reads as 1: its exponent has no digits.
    expected.removeAt(7);
    EXPECT_EQ(dialogs.messages, expected);
}

TEST_P(TabActions, DivisionByZeroShowsTheRuntimeTextAndKeepsTheCharts) {
    const FormTab& t = GetParam();
    fill(t, {"1000", "10000", "1e-8"});
    calc(t);
    const std::vector<double> gainBefore = keys(t.gain.chart);
    const std::vector<double> phaseBefore = keys(t.phase.chart);
    ASSERT_EQ(gainBefore.size(), 10000u);

    edit(t.fc).setText("0");
    calc(t);
    EXPECT_EQ(dialogs.errors, QStringList{QString::fromUtf8("0 による浮動小数点数除算.")});
    EXPECT_EQ(keys(t.gain.chart), gainBefore);
    EXPECT_EQ(keys(t.phase.chart), phaseBefore);
    // The failed run leaves its header, nothing of the stage it stopped in.
    EXPECT_EQ(memoLines(t.memo).mid(memoLines(t.memo).size() - 2),
              (QStringList{"---Result of Method 1---", "------------------------"}));

    // The window carries on: a later valid design works.
    edit(t.fc).setText("100");
    calc(t);
    EXPECT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(pointCount(t.gain.chart), 10000);
    EXPECT_EQ(keys(t.gain.chart).back(), 10000);
}

TEST_P(TabActions, CalcAfterAcStopsAtTheFirstStage) {
    const FormTab& t = GetParam();
    click(t.allClear);
    calc(t);
    EXPECT_EQ(dialogs.errors, QStringList{QString::fromUtf8("0 による浮動小数点数除算.")});
    EXPECT_EQ(dialogs.messages, QStringList{});
    EXPECT_EQ(memoLines(t.memo),
              (QStringList{"---Result of Method 1---", "------------------------"}));
    EXPECT_EQ(pointCount(t.gain.chart), 0);
}

INSTANTIATE_TEST_SUITE_P(Tabs, TabActions, ::testing::Values(kMultiFeedback, kSallenKey, kPassive),
                         [](const auto& param) { return std::string(param.param.page); });

TEST_F(ButtonActions, TabsKeepTheirOwnFieldsReportsAndPlots) {
    auto& pages = named<QTabWidget>("PageControl1");
    fill(kMultiFeedback, {"1000", "10000"});
    calc(kMultiFeedback);
    const QStringList multiFeedbackReport = memoLines(kMultiFeedback.memo);
    const std::vector<double> multiFeedbackKeys = keys(kMultiFeedback.gain.chart);

    pages.setCurrentIndex(1);
    fill(kSallenKey, {"100", "20000"});
    radio(kSallenKey.families[1]).click();
    calc(kSallenKey);
    pages.setCurrentIndex(2);
    pages.setCurrentIndex(0);

    EXPECT_EQ(memoLines(kMultiFeedback.memo), multiFeedbackReport);
    EXPECT_EQ(keys(kMultiFeedback.gain.chart), multiFeedbackKeys);
    EXPECT_EQ(edit(kMultiFeedback.fc).text(), "1000");
    EXPECT_EQ(edit(kMultiFeedback.first[0]).text(), "10000");
    EXPECT_TRUE(radio(kMultiFeedback.families[0]).isChecked());
    EXPECT_EQ(edit(kSallenKey.fc).text(), "100");
    EXPECT_TRUE(radio(kSallenKey.families[1]).isChecked());
    EXPECT_EQ(keys(kSallenKey.gain.chart).back(), 10000);
    EXPECT_NE(memoLines(kSallenKey.memo), multiFeedbackReport);
    EXPECT_EQ(memoLines(kPassive.memo), QStringList{});
    EXPECT_EQ(pointCount(kPassive.gain.chart), 0);
}

}  // namespace
}  // namespace tessaron::test
