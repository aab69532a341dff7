// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <qcustomplot.h>
#include <QFontInfo>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>

#include <memory>
#include <vector>

#include "mathlib/x87.h"
#include "tests/ui/support/window_test.h"
#include "ui/main_window/image.h"

namespace tessaron::test {
namespace {

// What the form shows on one tab, beside the controls the name table finds.
struct TabLook {
    FormTab tab;
    const char* caption;
    const char* gainSeries;
    const char* phaseSeries;
    QStringList methods;
    QStringList stageLabels;
    const char* pictureTitle;
    // The keyboard visits the method group before the stage notebook and "fc".
    bool methodsFirst;
};

const std::vector<TabLook>& tabLooks() {
    static const std::vector<TabLook> tabs{
        {formTab(kindOf<MultipleFeedback>),
         "Multi-Feedback",
         "Series1",
         "Series2",
         {"Fix Rx", "Fix C2"},
         {"R1, R2, R3", "C2"},
         "<Type : Multi-feedback Active  Filter>",
         true},
        {formTab(kindOf<SallenKey>),
         "Sallen-Key",
         "PointSeries1",
         "PointSeries2",
         {"Fix Rx", "Fix C2"},
         {"R1, R2", "C2"},
         "<Type : Sallen-Key Active  Filter>",
         false},
        {formTab(kindOf<Passive>),
         "Passive",
         "PointSeries3",
         "PointSeries4",
         {"Fix L", "Fix C"},
         {"L", "C"},
         "<Type : Passive  Filter>",
         false},
    };
    return tabs;
}

QStringList names(std::initializer_list<const char*> list) {
    QStringList result;
    for (const char* name : list) {
        result << name;
    }
    return result;
}

template <std::size_t N>
QStringList names(const std::array<const char*, N>& list) {
    QStringList result;
    for (const char* name : list) {
        result << name;
    }
    return result;
}

class StartUp : public WindowTest, public ::testing::WithParamInterface<TabLook> {};

TEST_P(StartUp, FirstChoicesCheckedFieldsZeroReportAndChartsEmpty) {
    const FormTab& t = GetParam().tab;
    for (const QStringList& group : {names(t.families), names(t.orders), names(t.methods)}) {
        for (qsizetype i = 0; i < group.size(); ++i) {
            EXPECT_EQ(named<QRadioButton>(group[i]).isChecked(), i == 0) << group[i].toStdString();
        }
    }
    for (const char* field : fieldNames(t)) {
        EXPECT_EQ(edit(field).text(), "0") << field;
    }
    EXPECT_EQ(named<QTabWidget>(t.stageNotebook).currentIndex(), 0);
    EXPECT_EQ(memoLines(t.memo), QStringList{});
    EXPECT_EQ(pointCount(t.gain.chart), 0);
    EXPECT_EQ(pointCount(t.phase.chart), 0);
}

TEST_P(StartUp, CaptionsOfTheTab) {
    const TabLook& look = GetParam();
    const FormTab& t = look.tab;
    auto& pages = named<QTabWidget>("PageControl1");
    const int index = pages.indexOf(&named<QWidget>(t.page));
    EXPECT_EQ(pages.tabText(index), look.caption);

    const QStringList captions = {"Butterworth", "Bessel",  "Chebyshev",     "2nd LPF",
                                  "4th LPF",     "8th LPF", look.methods[0], look.methods[1]};
    const QStringList radios = names(t.families) + names(t.orders) + names(t.methods);
    ASSERT_EQ(radios.size(), captions.size());
    for (qsizetype i = 0; i < radios.size(); ++i) {
        EXPECT_EQ(named<QRadioButton>(radios[i]).text(), captions[i]);
    }

    auto& stages = named<QTabWidget>(t.stageNotebook);
    ASSERT_EQ(stages.count(), 4);
    for (int page = 0; page < 4; ++page) {
        EXPECT_EQ(stages.tabText(page), QString("Unit%1").arg(page));
        // Each stage page holds that stage's two fields and their labels.
        QWidget* sheet = stages.widget(page);
        const auto stage = static_cast<std::size_t>(page);
        EXPECT_EQ(edit(t.first[stage]).parentWidget(), sheet);
        EXPECT_EQ(edit(t.second[stage]).parentWidget(), sheet);
        QStringList labels;
        for (const QLabel* label : sheet->findChildren<QLabel*>()) {
            labels << label->text();
        }
        EXPECT_EQ(labels, look.stageLabels);
    }

    QStringList texts;
    for (const QLabel* label : named<QWidget>(t.page).findChildren<QLabel*>()) {
        texts << label->text();
    }
    for (const char* text : {look.pictureTitle, "<Type>", "<Dimension>", "<Method>", "fc"}) {
        EXPECT_TRUE(texts.contains(text)) << text;
    }
}

TEST_P(StartUp, ChartsCarryTheirTitlesAndSeries) {
    const TabLook& look = GetParam();
    const struct {
        const char* chart;
        const char* title;
        const char* series;
    } charts[] = {{look.tab.gain.chart, "<Gain>", look.gainSeries},
                  {look.tab.phase.chart, "<Phase>", look.phaseSeries}};
    for (const auto& c : charts) {
        auto& chart = named<QCustomPlot>(c.chart);
        auto* title = qobject_cast<QCPTextElement*>(chart.plotLayout()->element(0, 0));
        ASSERT_NE(title, nullptr);
        EXPECT_EQ(title->text(), c.title);
        ASSERT_EQ(chart.graphCount(), 1);
        EXPECT_EQ(chart.graph(0)->name(), c.series);
        EXPECT_EQ(chart.xAxis->scaleType(), QCPAxis::stLogarithmic);
    }
    EXPECT_EQ(named<QCustomPlot>(look.tab.gain.chart).graph(0)->scatterStyle().brush().color(),
              QColor(Qt::red));
}

// The names of `wanted` in the order the keyboard visits them from the window.
QStringList keyboardOrderOf(QWidget& window, const QStringList& wanted) {
    QStringList order;
    QWidget* widget = &window;
    do {
        // The notebooks hand their focus to their tab bars.
        QWidget* named = widget;
        if (qobject_cast<QTabBar*>(widget) != nullptr) {
            named = widget->parentWidget();
        }
        if (wanted.contains(named->objectName()) && !order.contains(named->objectName())) {
            order << named->objectName();
        }
        widget = widget->nextInFocusChain();
    } while (widget != &window);
    return order;
}

TEST_P(StartUp, KeyboardOrder) {
    const FormTab& t = GetParam().tab;
    const auto fields = fieldNames(t);
    const QStringList stageFields = names(fields).mid(1);
    const QStringList stagesAndFc = names({t.stageNotebook}) + stageFields + names({t.fc});
    const QStringList methods = names(t.methods);
    const QStringList expected =
        names(t.families) + names(t.orders) +
        (GetParam().methodsFirst ? methods + stagesAndFc : stagesAndFc + methods) +
        names({t.allClear, t.calc, t.memo, t.gain.chart, t.phase.chart});
    EXPECT_EQ(keyboardOrderOf(*window, expected), expected);
}

TEST_P(StartUp, RadioButtonsOfOnePanelFormOneGroup) {
    const FormTab& t = GetParam().tab;
    radio(t.families[2]).click();
    radio(t.orders[2]).click();
    radio(t.methods[1]).click();
    const QStringList radios = names(t.families) + names(t.orders) + names(t.methods);
    const std::vector<bool> expected{false, false, true, false, false, true, false, true};
    for (qsizetype i = 0; i < radios.size(); ++i) {
        EXPECT_EQ(named<QRadioButton>(radios[i]).isChecked(), expected[static_cast<std::size_t>(i)])
            << radios[i].toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Tabs, StartUp, ::testing::ValuesIn(tabLooks()),
                         [](const auto& param) { return std::string(param.param.tab.page); });

using Window = WindowTest;

TEST_F(Window, ShowsTheFirstTabTitledAndSizedAsDesigned) {
    EXPECT_EQ(window->windowTitle(), "Tessaron");
    EXPECT_EQ(window->size(), QSize(785, 474));
    EXPECT_FALSE(window->windowIcon().isNull());
    auto& pages = named<QTabWidget>("PageControl1");
    EXPECT_EQ(pages.currentWidget()->objectName(), "MultiFeedback");
    EXPECT_EQ(pages.count(), 3);
}

TEST_F(Window, UsesTahomaEightPoints) {
    const QFontInfo font(window->font());
    EXPECT_EQ(font.family(), "Tahoma");
    EXPECT_EQ(window->font().pointSize(), 8);
    EXPECT_EQ(edit(kFormTabs[0].fc).font().family(), "Tahoma");
}

TEST_F(Window, AcIsRedAndCalcIsNot) {
    for (const FormTab& t : kFormTabs) {
        auto& ac = named<QPushButton>(t.allClear);
        EXPECT_EQ(ac.text(), "AC");
        EXPECT_EQ(ac.palette().color(QPalette::ButtonText), QColor(Qt::red));
        auto& calc = named<QPushButton>(t.calc);
        EXPECT_EQ(calc.text(), "Calc");
        EXPECT_NE(calc.palette().color(QPalette::ButtonText), QColor(Qt::red));
    }
}

TEST_F(Window, PicturesAreLoaded) {
    for (const char* image : {"Image1", "Image2", "Image3"}) {
        EXPECT_TRUE(named<TImage>(image).hasPicture()) << image;
    }
}

struct Placement {
    QString name;
    QRect geometry;
};

// The panels and the picture of a tab, which only the form itself names.
struct TabFrame {
    FormTab tab;
    std::array<const char*, 5> panels;  // picture, family, order, method, "fc"
    const char* image;
    QRect imageBox;
    QRect methodPanel;
};

TEST_F(Window, ControlsStandWhereTheFormPutsThem) {
    const TabFrame frames[] = {
        {formTab(kindOf<MultipleFeedback>),
         {"Panel1", "Panel2", "Panel3", "Panel4", "Panel5"},
         "Image1",
         {16, 25, 169, 120},
         {0, 362, 96, 74}},
        {formTab(kindOf<SallenKey>),
         {"Panel6", "Panel7", "Panel8", "Panel9", "Panel10"},
         "Image2",
         {16, 25, 169, 120},
         {0, 362, 96, 74}},
        {formTab(kindOf<Passive>),
         {"Panel11", "Panel12", "Panel13", "Panel14", "Panel15"},
         "Image3",
         {8, 25, 181, 120},
         {1, 362, 96, 74}},
    };
    std::vector<Placement> placements{{"PageControl1", {0, 0, 785, 473}}};
    for (const TabFrame& f : frames) {
        const FormTab& t = f.tab;
        placements.insert(placements.end(), {
                                                {f.panels[0], {0, 8, 200, 153}},
                                                {f.panels[1], {0, 167, 97, 98}},
                                                {f.panels[2], {103, 167, 97, 98}},
                                                {t.stageNotebook, {0, 271, 200, 85}},
                                                {f.panels[3], f.methodPanel},
                                                {f.panels[4], {103, 362, 97, 41}},
                                                {t.allClear, {102, 409, 45, 25}},
                                                {t.calc, {155, 409, 45, 25}},
                                                {t.memo, {206, 8, 218, 428}},
                                                {t.gain.chart, {430, 8, 339, 210}},
                                                {t.phase.chart, {430, 224, 339, 210}},
                                                {t.fc, {23, 8, 63, 21}},
                                                {t.first[0], {81, 3, 99, 21}},
                                                {t.second[3], {81, 30, 99, 21}},
                                                {f.image, f.imageBox},
                                                {t.families[0], {8, 23, 81, 17}},
                                                {t.orders[1], {8, 46, 81, 17}},
                                                {t.families[2], {8, 69, 81, 17}},
                                            });
    }
    for (const Placement& p : placements) {
        EXPECT_EQ(named<QWidget>(p.name).geometry(), p.geometry) << p.name.toStdString();
    }
}

TEST(WindowLifetime, LoadsTheControlWordAndPutsBackTheOneItFound) {
    const std::uint16_t before = x87::readControlWord();
    constexpr std::uint16_t kOther = 0x037F;
    x87::reinitializeAndLoad(kOther);
    {
        TFormMain window;
        EXPECT_TRUE(x87::sameControlWord(x87::readControlWord(), 0x1332))
            << std::hex << x87::readControlWord();
        ASSERT_NE(window.MathLib1, nullptr);
    }
    EXPECT_TRUE(x87::sameControlWord(x87::readControlWord(), kOther))
        << std::hex << x87::readControlWord();
    x87::reinitializeAndLoad(before);
}

}  // namespace
}  // namespace tessaron::test
