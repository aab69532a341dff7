#include <gtest/gtest.h>

#include <qcustomplot.h>
#include <QCoreApplication>
#include <QEvent>
#include <QTabWidget>

#include <functional>
#include <vector>

#include "ui_test_support.h"

namespace tessaron::test {
namespace {

// The controls of one tab, by number.
struct TabNumbers {
    const char* name;
    int fc;          // the "fc" field; the eight stage fields follow it
    int firstRadio;  // "Butterworth"; the order and method groups follow it
    int ac;          // "AC"; "Calc" follows it
    int memo;
    int gainChart;  // the phase chart follows it
    int stageNotebook;
};

const TabNumbers kMultiFeedback{"MultiFeedback", 1, 1, 1, 1, 1, 2};
const TabNumbers kSallenKey{"SallenKey", 10, 9, 3, 2, 3, 3};
const TabNumbers kPassive{"Passive", 19, 17, 5, 3, 5, 4};

class ButtonActions : public WindowTest {
  protected:
    void fill(const TabNumbers& t, const QStringList& texts) {
        for (int i = 0; i < texts.size(); ++i) {
            edit(t.fc + i).setText(texts[i]);
        }
    }
    void calc(const TabNumbers& t) { click(t.ac + 1); }
    std::vector<double> keys(int chart) const {
        std::vector<double> result;
        const auto& data = *named<QCustomPlot>(QString("Chart%1").arg(chart)).graph(0)->data();
        for (auto it = data.constBegin(); it != data.constEnd(); ++it) {
            result.push_back(it->key);
        }
        return result;
    }
};

const QStringList kMultiFeedbackFixRx{"---Result of Method 1---",
                                      "------------------------",
                                      "<Unit 0>",
                                      "  R1 := 10000 (ohm)",
                                      "  R2 := 10000 (ohm)",
                                      "  R3 := 10000 (ohm)",
                                      "  C1 := 3.37618723034643E-8 (F)",
                                      "  C2 := 7.50263364629376E-9 (F)",
                                      " *fc := 1000 (Hz)",
                                      "  *Q := 0.707107",
                                      "------------------------"};

TEST_F(ButtonActions, MultiFeedbackFixRxReportsTheSizedStage) {
    fill(kMultiFeedback, {"1000", "10000"});
    calc(kMultiFeedback);
    EXPECT_EQ(dialogs.messages, QStringList{});
    EXPECT_EQ(dialogs.errors, QStringList{});
    EXPECT_EQ(memoLines(1), kMultiFeedbackFixRx);
}

TEST_F(ButtonActions, SallenKeyFixRxReportsTheSizedStage) {
    fill(kSallenKey, {"1000", "10000"});
    calc(kSallenKey);
    EXPECT_EQ(dialogs.errors, QStringList{});
    EXPECT_EQ(memoLines(2),
              (QStringList{"---Result of Method 1---", "------------------------", "<Unit 0>",
                           "  R1 := 10000 (ohm)", "  R2 := 10000 (ohm)",
                           "  C1 := 2.25079148689762E-8 (F)", "  C2 := 1.12539504694406E-8 (F)",
                           " *fc := 1000 (Hz)", "  *Q := 0.707107", "------------------------"}));
}

// A design on every tab with each method: the report's header names the method,
// one block per stage follows, and both charts get the whole sweep.
struct DesignCase {
    const char* name;
    TabNumbers tab;
    QStringList fields;
    int orderButton;  // 0, 1, 2: "2nd", "4th", "8th"
    int method;
    int stages;
};

class Design : public ButtonActions, public ::testing::WithParamInterface<DesignCase> {};

TEST_P(Design, FillsTheReportAndBothCharts) {
    const DesignCase& d = GetParam();
    fill(d.tab, d.fields);
    radio(d.tab.firstRadio + 3 + d.orderButton).click();
    radio(d.tab.firstRadio + 5 + d.method).click();
    calc(d.tab);

    EXPECT_EQ(dialogs.errors, QStringList{});
    const QStringList lines = memoLines(d.tab.memo);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.front(), QString("---Result of Method %1---").arg(d.method));
    for (int stage = 0; stage < 4; ++stage) {
        EXPECT_EQ(lines.contains(QString("<Unit %1>").arg(stage)), stage < d.stages) << stage;
    }
    EXPECT_EQ(lines.back(), "------------------------");
    for (int chart : {d.tab.gainChart, d.tab.gainChart + 1}) {
        EXPECT_EQ(pointCount(chart), 10000) << "Chart" << chart;
    }
    EXPECT_EQ(window->gainSeries(static_cast<TopologyKind>(d.tab.memo - 1)).producedCount(),
              10000u);
    const std::vector<double> frequencies = keys(d.tab.gainChart);
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
    TabNumbers tab;
    FilterFamily family;
    int order;
    int method;
    void (TFormMain::*routine)(int, int);
};

class Mapping : public ButtonActions, public ::testing::WithParamInterface<MappingCase> {};

TEST_P(Mapping, CalcCallsTheRoutineOfTheCheckedButtons) {
    const MappingCase& m = GetParam();
    const QStringList fields{"1000", "10000", "1e-8"};
    const int orderIndex = m.order == 2 ? 0 : (m.order == 4 ? 1 : 2);
    fill(m.tab, fields);
    radio(m.tab.firstRadio + m.family - 1).click();
    radio(m.tab.firstRadio + 3 + orderIndex).click();
    radio(m.tab.firstRadio + 5 + m.method).click();
    calc(m.tab);
    const QStringList clicked = memoLines(m.tab.memo);

    TFormMain direct;
    direct.setDialogs(dialogs);
    direct.setDecimalSeparatorSource([] { return QString("."); });
    for (int i = 0; i < fields.size(); ++i) {
        direct.findChild<QLineEdit*>(QString("Edit%1").arg(m.tab.fc + i))->setText(fields[i]);
    }
    (direct.*m.routine)(m.family, m.order);
    const QString text =
        direct.findChild<QPlainTextEdit*>(QString("Memo%1").arg(m.tab.memo))->toPlainText();

    EXPECT_EQ(dialogs.errors, QStringList{});
    EXPECT_EQ(clicked, text.split('\n'));
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

class TabActions : public ButtonActions, public ::testing::WithParamInterface<TabNumbers> {};

TEST_P(TabActions, AcResetsTheNineFieldsAndNothingElse) {
    const TabNumbers& t = GetParam();
    fill(t, {"1000", "10000", "1e-8"});
    calc(t);
    const QStringList report = memoLines(t.memo);
    fill(t, {"1000", "10000", "2.2e-9", "x", "y", "1", "2", "3", "4"});
    radio(t.firstRadio + 2).click();
    radio(t.firstRadio + 4).click();
    auto& stages = named<QTabWidget>(QString("PageControl%1").arg(t.stageNotebook));
    stages.setCurrentIndex(2);
    const QString otherTabField = edit(t.fc == 1 ? 10 : 1).text();

    click(t.ac);

    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(edit(t.fc + i).text(), "0") << "Edit" << t.fc + i;
    }
    EXPECT_EQ(memoLines(t.memo), report);
    EXPECT_EQ(pointCount(t.gainChart), 10000);
    EXPECT_EQ(pointCount(t.gainChart + 1), 10000);
    EXPECT_TRUE(radio(t.firstRadio + 2).isChecked());
    EXPECT_TRUE(radio(t.firstRadio + 4).isChecked());
    EXPECT_EQ(stages.currentIndex(), 2);
    EXPECT_EQ(edit(t.fc == 1 ? 10 : 1).text(), otherTabField);
    EXPECT_EQ(dialogs.messages, QStringList{});
    EXPECT_EQ(dialogs.errors, QStringList{});
}

TEST_P(TabActions, ConversionMessagesComeInFieldOrder) {
    const TabNumbers& t = GetParam();
    fill(t, {"abc", "x", "1,5", "-", "", "+", "e5", "1e", ". ."});
    calc(t);
    const bool passive = t.fc == kPassive.fc;
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
    const TabNumbers& t = GetParam();
    fill(t, {"1000", "10000", "1e-8"});
    calc(t);
    const std::vector<double> gainBefore = keys(t.gainChart);
    const std::vector<double> phaseBefore = keys(t.gainChart + 1);
    ASSERT_EQ(gainBefore.size(), 10000u);

    edit(t.fc).setText("0");
    calc(t);
    EXPECT_EQ(dialogs.errors, QStringList{QString::fromUtf8("0 による浮動小数点数除算.")});
    EXPECT_EQ(keys(t.gainChart), gainBefore);
    EXPECT_EQ(keys(t.gainChart + 1), phaseBefore);
    // The failed run leaves its header, nothing of the stage it stopped in.
    EXPECT_EQ(memoLines(t.memo).mid(memoLines(t.memo).size() - 2),
              (QStringList{"---Result of Method 1---", "------------------------"}));

    // The window carries on: a later valid design works.
    edit(t.fc).setText("100");
    calc(t);
    EXPECT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(pointCount(t.gainChart), 10000);
    EXPECT_EQ(keys(t.gainChart).back(), 10000);
}

TEST_P(TabActions, CalcAfterAcStopsAtTheFirstStage) {
    const TabNumbers& t = GetParam();
    click(t.ac);
    calc(t);
    EXPECT_EQ(dialogs.errors, QStringList{QString::fromUtf8("0 による浮動小数点数除算.")});
    EXPECT_EQ(dialogs.messages, QStringList{});
    EXPECT_EQ(memoLines(t.memo),
              (QStringList{"---Result of Method 1---", "------------------------"}));
    EXPECT_EQ(pointCount(t.gainChart), 0);
}

INSTANTIATE_TEST_SUITE_P(Tabs, TabActions, ::testing::Values(kMultiFeedback, kSallenKey, kPassive),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(ButtonActions, TabsKeepTheirOwnFieldsReportsAndPlots) {
    auto& pages = named<QTabWidget>("PageControl1");
    fill(kMultiFeedback, {"1000", "10000"});
    calc(kMultiFeedback);
    const QStringList multiFeedbackReport = memoLines(1);
    const std::vector<double> multiFeedbackKeys = keys(1);

    pages.setCurrentIndex(1);
    fill(kSallenKey, {"100", "20000"});
    radio(kSallenKey.firstRadio + 1).click();
    calc(kSallenKey);
    pages.setCurrentIndex(2);
    pages.setCurrentIndex(0);

    EXPECT_EQ(memoLines(1), multiFeedbackReport);
    EXPECT_EQ(keys(1), multiFeedbackKeys);
    EXPECT_EQ(edit(1).text(), "1000");
    EXPECT_EQ(edit(2).text(), "10000");
    EXPECT_TRUE(radio(1).isChecked());
    EXPECT_EQ(edit(10).text(), "100");
    EXPECT_TRUE(radio(10).isChecked());
    EXPECT_EQ(keys(3).back(), 10000);
    EXPECT_NE(memoLines(2), multiFeedbackReport);
    EXPECT_EQ(memoLines(3), QStringList{});
    EXPECT_EQ(pointCount(5), 0);
}

// A negative fc sweeps negative frequencies, which the logarithmic axis cannot show.
struct GridCase {
    const char* fc;
    int shown;
    double first;
    double last;
};

class FrequencyGrid : public ButtonActions, public ::testing::WithParamInterface<GridCase> {};

TEST_P(FrequencyGrid, ChartsShowThePositiveFrequenciesOfTheSweep) {
    fill(kMultiFeedback, {GetParam().fc, "10000"});
    calc(kMultiFeedback);
    EXPECT_EQ(dialogs.errors, QStringList{});
    EXPECT_EQ(window->gainSeries(kindOf<MultipleFeedback>).producedCount(), 10000u);
    EXPECT_EQ(window->phaseSeries(kindOf<MultipleFeedback>).producedCount(), 10000u);
    EXPECT_EQ(pointCount(1), GetParam().shown);
    EXPECT_EQ(pointCount(2), GetParam().shown);
    if (GetParam().shown > 0) {
        EXPECT_EQ(keys(1).front(), GetParam().first);
        EXPECT_EQ(keys(1).back(), GetParam().last);
    }
}

INSTANTIATE_TEST_SUITE_P(Fc, FrequencyGrid,
                         ::testing::Values(GridCase{"100", 10000, 1, 10000},
                                           GridCase{"12345", 10000, 123, 1230000},
                                           GridCase{"-1000", 0, 0, 0}));

TEST_F(ButtonActions, MemoKeepsEveryReport) {
    fill(kMultiFeedback, {"1000", "10000"});
    calc(kMultiFeedback);
    calc(kMultiFeedback);
    EXPECT_EQ(memoLines(1), kMultiFeedbackFixRx + kMultiFeedbackFixRx);
}

TEST_F(ButtonActions, LocaleSeparatorReachesReaderAndReport) {
    QString separator = ",";
    window->setDecimalSeparatorSource([&separator] { return separator; });
    fill(kMultiFeedback, {"1000,0", "10000"});
    calc(kMultiFeedback);
    EXPECT_EQ(dialogs.messages, QStringList{});
    EXPECT_TRUE(memoLines(1).contains("  *Q := 0,707107"));

    // A locale change announced by the system is picked up before the next run.
    separator = ".";
    QEvent change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(window.get(), &change);
    EXPECT_EQ(window->decimalSeparator(), ".");
    calc(kMultiFeedback);
    EXPECT_EQ(dialogs.messages, QStringList{"Cannot convert fc."});
}

// A modal box runs an event loop, and the system may announce a new locale
// while it is up: the run goes on with the separator it started with, in its
// fields and in its report alike.
TEST_F(ButtonActions, LocaleChangeDuringAMessageDoesNotChangeTheRunningDesign) {
    QString separator = ".";
    window->setDecimalSeparatorSource([&separator] { return separator; });
    struct ChangingLocaleDialogs : RecordingDialogs {
        std::function<void()> duringMessage;
        void showMessage(const QString& text) override {
            RecordingDialogs::showMessage(text);
            duringMessage();
        }
    } changing;
    changing.duringMessage = [&] {
        separator = ",";
        QEvent change(QEvent::LocaleChange);
        QCoreApplication::sendEvent(window.get(), &change);
    };
    window->setDialogs(changing);
    fill(kMultiFeedback, {"1000", "x", "1.5e-8", "10000"});
    radio(kMultiFeedback.firstRadio + 4).click();  // "4th LPF"
    radio(kMultiFeedback.firstRadio + 7).click();  // "Fix C2"
    calc(kMultiFeedback);
    EXPECT_EQ(changing.messages, QStringList{"Cannot convert RX."});
    EXPECT_EQ(changing.errors, QStringList{});
    EXPECT_TRUE(memoLines(1).contains("  C2 := 1.5E-8 (F)"));
    // The next run reads with the new separator.
    EXPECT_EQ(window->decimalSeparator(), ",");
}

}  // namespace
}  // namespace tessaron::test
