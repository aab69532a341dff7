// SPDX-License-Identifier: GPL-3.0-or-later

// The window driven as a user drives it, on a real X server: keys typed into
// the fields, buttons and tabs clicked with the mouse, and the real modal boxes
// answered with their OK button. Every box is checked for its text, its place
// in the sequence, what the report held meanwhile and the control word it ran
// under.
#include "tests/e2e/window_e2e.h"

#include <QImage>
#include <QScreen>
#include <set>

#include "studies/designators.h"
#include "ui/schematic/schematic_view.h"

namespace tessaron::e2e {
namespace {

TEST_P(WindowE2e, Order8DesignGivesTheExpectedReportAndSweep) {
    calcTheDesign();
    EXPECT_EQ(memoLines(), tab().report);
    expectChartsOfTheDesign();
}

TEST_P(WindowE2e, UnreadableFcShowsItsMessageThenTheHeaderThenTheDivisionByZero) {
    setUpDesign();
    for (const char* text : {"abc", "1e5000"}) {
        SCOPED_TRACE(text);
        type(0, text);
        const QStringList before = memoLines();
        calc();
        expectBoxes({{"Cannot convert fc.", QMessageBox::NoIcon, before},
                     {kZeroDivide, QMessageBox::Critical, before + header(tab().method)}});
        EXPECT_EQ(memoLines(), before + header(tab().method));
        EXPECT_TRUE(charted().gain.empty());
    }
}

TEST_P(WindowE2e, NineUnreadableFieldsGiveNineBoxesInFieldOrderThenTheStop) {
    for (int field = 0; field < 9; ++field) {
        type(field, "x");
    }
    calc();
    std::vector<ExpectedBox> expected{{"Cannot convert fc.", QMessageBox::NoIcon, {}}};
    for (int stage = 0; stage < 4; ++stage) {
        expected.push_back({tab().firstMessage, QMessageBox::NoIcon, {}});
        expected.push_back({tab().secondMessage, QMessageBox::NoIcon, {}});
    }
    expected.push_back({kZeroDivide, QMessageBox::Critical, header(1)});
    expectBoxes(expected);
    EXPECT_EQ(memoLines(), header(1));
}

TEST_P(WindowE2e, AGoodDesignRightAfterAStoppedOne) {
    setUpDesign();
    type(0, "abc");
    calc();
    expectBoxes({{"Cannot convert fc.", QMessageBox::NoIcon, {}},
                 {kZeroDivide, QMessageBox::Critical, header(tab().method)}});

    type(0, "1000");
    calc();
    expectBoxes({});
    EXPECT_EQ(memoLines(), header(tab().method) + tab().report);
    expectChartsOfTheDesign();
}

TEST_P(WindowE2e, AnUnreadableStageFieldWithAGoodFcTakesStageZerosValue) {
    setUpDesign();
    type(0, "1000");
    // Stage 2's field of the method: reported, read as 0, replaced by stage 0's value.
    type(givenField() + 4, "1e-8x");
    calc();
    expectBoxes(
        {{tab().method == 1 ? tab().firstMessage : tab().secondMessage, QMessageBox::NoIcon, {}}});
    EXPECT_EQ(memoLines(), tab().report);
    expectChartsOfTheDesign();
}

TEST_P(WindowE2e, CtrlBAfterADesignOpensTheBuildWindowWithItsBand) {
    calcTheDesign();
    pressCtrlOnTheWindow(Qt::Key_B);
    BuildWindow* build = window_->companions().build(tab().form.topology);
    ASSERT_NE(build, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(build));
    auto& pages = named<QTabWidget>("PageControl1");
    EXPECT_EQ(build->windowTitle(),
              QString("Tessaron — Build, ") +
                  pages.tabText(pages.indexOf(&named<QWidget>(tab().form.page))));
    if (build->bandRunning()) {
        QSignalSpy shown(build, &BuildWindow::bandShown);
        ASSERT_TRUE(shown.wait(20000));
    }
    ASSERT_TRUE(build->band().has_value());
    EXPECT_EQ(build->findChild<QTableWidget*>("Table")->rowCount(),
              static_cast<int>(build->tableText().count('\n')) - 2);
    // The design's own report, points and control word are as without it.
    EXPECT_EQ(memoLines(), tab().report);
    expectChartsOfTheDesign();
    EXPECT_TRUE(x87::sameControlWord(x87::readControlWord(), kProgramWord))
        << std::hex << x87::readControlWord();
    build->close();
}

// The drawing as the X server shows it: dark strokes on the view's white, and
// every part and op-amp of the four stages under its designator.
TEST_P(WindowE2e, CtrlBThenAClickOnSchematicShowsTheWholeCascade) {
    calcTheDesign();
    pressCtrlOnTheWindow(Qt::Key_B);
    BuildWindow* build = window_->companions().build(tab().form.topology);
    ASSERT_NE(build, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(build));
    auto& views = *build->findChild<QTabWidget*>("Views");
    auto& view = *build->findChild<SchematicView*>("Schematic");
    clickTab(views, views.indexOf(&view));
    ASSERT_TRUE(view.isVisible());
    QTest::qWait(200);
    const QPoint at = view.viewport()->mapTo(build, QPoint(0, 0));
    const QImage shown = build->screen()
                             ->grabWindow(build->winId(), at.x(), at.y(), view.viewport()->width(),
                                          view.viewport()->height())
                             .toImage();
    int dark = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            dark += qGray(shown.pixel(x, y)) < 96 ? 1 : 0;
        }
    }
    EXPECT_GT(dark, 1000);
    EXPECT_EQ(shown.pixel(1, 1), qRgb(255, 255, 255));
    std::set<std::string> drawn;
    for (const Symbol& symbol : view.fitted().scene.symbols) {
        drawn.insert(symbol.designator);
    }
    const CircuitDesignators designators = designateCircuit(tab().form.topology, 4);
    for (const auto& group : {designators.parts, designators.opAmps}) {
        for (const Designator& d : group) {
            EXPECT_TRUE(drawn.contains(d.text)) << d.text;
        }
    }
    build->close();
}

TEST_P(WindowE2e, CtrlRAfterADesignOpensTheResponseWindowAndComparesOnAClick) {
    calcTheDesign();
    pressCtrlOnTheWindow(Qt::Key_R);
    ResponseWindow* response = window_->companions().response(tab().form.topology);
    ASSERT_NE(response, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(response));
    auto& pages = named<QTabWidget>("PageControl1");
    EXPECT_EQ(response->windowTitle(),
              QString("Tessaron — Response, ") +
                  pages.tabText(pages.indexOf(&named<QWidget>(tab().form.page))));
    EXPECT_EQ(response->message(), QString());
    EXPECT_EQ(response->delayChart().graphCount(), 1);
    EXPECT_EQ(response->delayChart().graph(0)->dataCount(), 10000);
    QTest::mouseClick(&response->compareBox(), Qt::LeftButton, {},
                      QPoint(8, response->compareBox().height() / 2));
    ASSERT_TRUE(response->compareBox().isChecked());
    EXPECT_EQ(response->delayChart().graphCount(), 3);
    EXPECT_EQ(response->stepChart().graphCount(), 3);
    // The design's own report, points and control word are as without it.
    EXPECT_EQ(memoLines(), tab().report);
    expectChartsOfTheDesign();
    EXPECT_TRUE(x87::sameControlWord(x87::readControlWord(), kProgramWord))
        << std::hex << x87::readControlWord();
    response->close();
}

INSTANTIATE_TEST_SUITE_P(Tabs, WindowE2e, ::testing::Values(kMultiFeedback, kSallenKey, kPassive),
                         [](const auto& param) { return std::string(param.param.form.page); });

}  // namespace
}  // namespace tessaron::e2e

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // As the program starts: the trap net, the application, then the window
    // whose component loads the control word.
    tessaron::fp::installTrapSafetyNet();
    QApplication application(argc, argv);
    tessaron::setUpApplication();
    return tessaron::test::failSkipsUnderCi(RUN_ALL_TESTS());
}
