#include <gtest/gtest.h>

#include <qcustomplot.h>
#include <QFontInfo>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>

#include <memory>
#include <vector>

#include "mathlib/x87.h"
#include "ui/image.h"
#include "ui_test_support.h"

namespace tessaron::test {
namespace {

// Numbers of the controls of one tab, as the form names them.
struct TabControls {
    const char* page;
    const char* caption;
    int firstEdit;
    int firstRadio;
    int stageNotebook;
    int memo;
    int gainChart;
    const char* gainSeries;
    const char* phaseSeries;
    QStringList methods;
    QStringList stageLabels;
    const char* pictureTitle;
    QStringList keyboardOrder;
};

QStringList numbered(const char* kind, int first, int count) {
    QStringList names;
    for (int i = 0; i < count; ++i) {
        names << QString("%1%2").arg(kind).arg(first + i);
    }
    return names;
}

const std::vector<TabControls>& tabControls() {
    static const std::vector<TabControls> tabs{
        {"MultiFeedback",
         "Multi-Feedback",
         1,
         1,
         2,
         1,
         1,
         "Series1",
         "Series2",
         {"Fix Rx", "Fix C2"},
         {"R1, R2, R3", "C2"},
         "<Type : Multi-feedback Active  Filter>",
         numbered("RadioButton", 1, 8) + QStringList{"PageControl2"} + numbered("Edit", 2, 8) +
             QStringList{"Edit1", "BitBtn1", "BitBtn2", "Memo1", "Chart1", "Chart2"}},
        {"SallenKey",
         "Sallen-Key",
         10,
         9,
         3,
         2,
         3,
         "PointSeries1",
         "PointSeries2",
         {"Fix Rx", "Fix C2"},
         {"R1, R2", "C2"},
         "<Type : Sallen-Key Active  Filter>",
         numbered("RadioButton", 9, 6) + QStringList{"PageControl3"} + numbered("Edit", 11, 8) +
             QStringList{"Edit10", "RadioButton15", "RadioButton16", "BitBtn3", "BitBtn4", "Memo2",
                         "Chart3", "Chart4"}},
        {"Passive",
         "Passive",
         19,
         17,
         4,
         3,
         5,
         "PointSeries3",
         "PointSeries4",
         {"Fix L", "Fix C"},
         {"L", "C"},
         "<Type : Passive  Filter>",
         numbered("RadioButton", 17, 6) + QStringList{"PageControl4"} + numbered("Edit", 20, 8) +
             QStringList{"Edit19", "RadioButton23", "RadioButton24", "BitBtn5", "BitBtn6", "Memo3",
                         "Chart5", "Chart6"}},
    };
    return tabs;
}

class StartUp : public WindowTest, public ::testing::WithParamInterface<TabControls> {};

TEST_P(StartUp, FirstChoicesCheckedFieldsZeroReportAndChartsEmpty) {
    const TabControls& t = GetParam();
    for (int i = 0; i < 8; ++i) {
        const bool firstOfGroup = i == 0 || i == 3 || i == 6;
        EXPECT_EQ(radio(t.firstRadio + i).isChecked(), firstOfGroup) << "radio " << i;
    }
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(edit(t.firstEdit + i).text(), "0");
    }
    auto& stages = named<QTabWidget>(QString("PageControl%1").arg(t.stageNotebook));
    EXPECT_EQ(stages.currentIndex(), 0);
    EXPECT_EQ(memoLines(t.memo), QStringList{});
    EXPECT_EQ(pointCount(t.gainChart), 0);
    EXPECT_EQ(pointCount(t.gainChart + 1), 0);
}

TEST_P(StartUp, CaptionsOfTheTab) {
    const TabControls& t = GetParam();
    auto& pages = named<QTabWidget>("PageControl1");
    const int index = pages.indexOf(&named<QWidget>(t.page));
    EXPECT_EQ(pages.tabText(index), t.caption);

    const QStringList radios = {"Butterworth", "Bessel",  "Chebyshev",
                                "2nd LPF",     "4th LPF", "8th LPF"};
    for (int i = 0; i < radios.size(); ++i) {
        EXPECT_EQ(radio(t.firstRadio + i).text(), radios[i]);
    }
    EXPECT_EQ(radio(t.firstRadio + 6).text(), t.methods[0]);
    EXPECT_EQ(radio(t.firstRadio + 7).text(), t.methods[1]);

    auto& stages = named<QTabWidget>(QString("PageControl%1").arg(t.stageNotebook));
    ASSERT_EQ(stages.count(), 4);
    for (int page = 0; page < 4; ++page) {
        EXPECT_EQ(stages.tabText(page), QString("Unit%1").arg(page));
        // Each stage page holds that stage's two fields and their labels.
        QWidget* sheet = stages.widget(page);
        EXPECT_EQ(edit(t.firstEdit + 1 + 2 * page).parentWidget(), sheet);
        EXPECT_EQ(edit(t.firstEdit + 2 + 2 * page).parentWidget(), sheet);
        QStringList labels;
        for (const QLabel* label : sheet->findChildren<QLabel*>()) {
            labels << label->text();
        }
        EXPECT_EQ(labels, t.stageLabels);
    }

    QStringList texts;
    for (const QLabel* label : named<QWidget>(t.page).findChildren<QLabel*>()) {
        texts << label->text();
    }
    for (const char* text : {t.pictureTitle, "<Type>", "<Dimension>", "<Method>", "fc"}) {
        EXPECT_TRUE(texts.contains(text)) << text;
    }
}

TEST_P(StartUp, ChartsCarryTheirTitlesAndSeries) {
    const TabControls& t = GetParam();
    const struct {
        int chart;
        const char* title;
        const char* series;
    } charts[] = {{t.gainChart, "<Gain>", t.gainSeries},
                  {t.gainChart + 1, "<Phase>", t.phaseSeries}};
    for (const auto& c : charts) {
        auto& chart = named<QCustomPlot>(QString("Chart%1").arg(c.chart));
        auto* title = qobject_cast<QCPTextElement*>(chart.plotLayout()->element(0, 0));
        ASSERT_NE(title, nullptr);
        EXPECT_EQ(title->text(), c.title);
        ASSERT_EQ(chart.graphCount(), 1);
        EXPECT_EQ(chart.graph(0)->name(), c.series);
        EXPECT_EQ(chart.xAxis->scaleType(), QCPAxis::stLogarithmic);
    }
    EXPECT_EQ(named<QCustomPlot>(QString("Chart%1").arg(t.gainChart))
                  .graph(0)
                  ->scatterStyle()
                  .brush()
                  .color(),
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
    const TabControls& t = GetParam();
    EXPECT_EQ(keyboardOrderOf(*window, t.keyboardOrder), t.keyboardOrder);
}

TEST_P(StartUp, RadioButtonsOfOnePanelFormOneGroup) {
    const int first = GetParam().firstRadio;
    radio(first + 2).click();  // "Chebyshev"
    radio(first + 5).click();  // "8th LPF"
    radio(first + 7).click();  // second method
    const std::vector<bool> expected{false, false, true, false, false, true, false, true};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(radio(first + i).isChecked(), expected[static_cast<std::size_t>(i)]) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Tabs, StartUp, ::testing::ValuesIn(tabControls()),
                         [](const auto& param) { return std::string(param.param.page); });

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
    EXPECT_EQ(edit(1).font().family(), "Tahoma");
}

TEST_F(Window, AcIsRedAndCalcIsNot) {
    for (int button : {1, 3, 5}) {
        auto& ac = named<QPushButton>(QString("BitBtn%1").arg(button));
        EXPECT_EQ(ac.text(), "AC");
        EXPECT_EQ(ac.palette().color(QPalette::ButtonText), QColor(Qt::red));
        auto& calc = named<QPushButton>(QString("BitBtn%1").arg(button + 1));
        EXPECT_EQ(calc.text(), "Calc");
        EXPECT_NE(calc.palette().color(QPalette::ButtonText), QColor(Qt::red));
    }
}

TEST_F(Window, PicturesAreLoaded) {
    for (int image = 1; image <= 3; ++image) {
        EXPECT_TRUE(named<TImage>(QString("Image%1").arg(image)).hasPicture()) << image;
    }
}

struct Placement {
    QString name;
    QRect geometry;
};

TEST_F(Window, ControlsStandWhereTheFormPutsThem) {
    std::vector<Placement> placements{{"PageControl1", {0, 0, 785, 473}}};
    for (int t = 0; t < 3; ++t) {
        const int panel = 1 + 5 * t;
        const int edit = 1 + 9 * t;
        placements.insert(placements.end(),
                          {
                              {QString("Panel%1").arg(panel), {0, 8, 200, 153}},
                              {QString("Panel%1").arg(panel + 1), {0, 167, 97, 98}},
                              {QString("Panel%1").arg(panel + 2), {103, 167, 97, 98}},
                              {QString("PageControl%1").arg(t + 2), {0, 271, 200, 85}},
                              {QString("Panel%1").arg(panel + 3), {t == 2 ? 1 : 0, 362, 96, 74}},
                              {QString("Panel%1").arg(panel + 4), {103, 362, 97, 41}},
                              {QString("BitBtn%1").arg(1 + 2 * t), {102, 409, 45, 25}},
                              {QString("BitBtn%1").arg(2 + 2 * t), {155, 409, 45, 25}},
                              {QString("Memo%1").arg(t + 1), {206, 8, 218, 428}},
                              {QString("Chart%1").arg(1 + 2 * t), {430, 8, 339, 210}},
                              {QString("Chart%1").arg(2 + 2 * t), {430, 224, 339, 210}},
                              {QString("Edit%1").arg(edit), {23, 8, 63, 21}},
                              {QString("Edit%1").arg(edit + 1), {81, 3, 99, 21}},
                              {QString("Edit%1").arg(edit + 8), {81, 30, 99, 21}},
                              {QString("Image%1").arg(t + 1),
                               t == 2 ? QRect{8, 25, 181, 120} : QRect{16, 25, 169, 120}},
                              {QString("RadioButton%1").arg(1 + 8 * t), {8, 23, 81, 17}},
                              {QString("RadioButton%1").arg(5 + 8 * t), {8, 46, 81, 17}},
                              {QString("RadioButton%1").arg(3 + 8 * t), {8, 69, 81, 17}},
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
