// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The window on a real X server, driven through each tab.
#include "tests/e2e/window_e2e_tabs.h"

namespace tessaron::e2e {

struct ExpectedBox {
    QString text;
    QMessageBox::Icon icon;
    QStringList memo;
};

struct Sweep {
    std::vector<PlotPoint> gain;
    std::vector<PlotPoint> phase;
};

class WindowE2e : public ::testing::TestWithParam<TabUnderTest> {
  protected:
    void SetUp() override {
        window_ = std::make_unique<TFormMain>();
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
        closer_ = std::make_unique<BoxCloser>([this] { return memoLines(); });
        auto& pages = named<QTabWidget>("PageControl1");
        clickTab(pages, pages.indexOf(&named<QWidget>(tab().form.page)));
    }

    void TearDown() override {
        closer_.reset();
        window_.reset();
    }

    const TabUnderTest& tab() const { return GetParam(); }

    template <typename Widget>
    Widget& named(const QString& name) const {
        auto* widget = window_->findChild<Widget*>(name);
        if (widget == nullptr) {
            ADD_FAILURE() << "no control named " << name.toStdString();
            throw std::runtime_error("missing control");
        }
        return *widget;
    }

    static void clickTab(QTabWidget& notebook, int index) {
        QTabBar* bar = notebook.tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(index).center());
        ASSERT_EQ(notebook.currentIndex(), index);
    }

    // Field 0 is "fc", then stage 0's first and second field, stage 1's...
    void type(int field, const QString& text) {
        if (field > 0) {
            clickTab(named<QTabWidget>(tab().form.stageNotebook), (field - 1) / 2);
        }
        auto& edit = named<QLineEdit>(fieldNames(tab().form)[static_cast<std::size_t>(field)]);
        QTest::mouseClick(&edit, Qt::LeftButton);
        QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QTest::keyClicks(&edit, text);
        ASSERT_EQ(edit.text(), text);
    }

    // The stage 0 field that the tab's design method reads.
    int givenField() const { return tab().method == 1 ? 1 : 2; }

    void choose(const char* radio) {
        auto& button = named<QRadioButton>(radio);
        QTest::mouseClick(&button, Qt::LeftButton);
        ASSERT_TRUE(button.isChecked());
    }

    // Family, 8th order, method and stage 0's value of the tab's design.
    void setUpDesign() {
        choose(tab().form.families[static_cast<std::size_t>(tab().family - 1)]);
        choose(tab().form.orders[2]);
        choose(tab().form.methods[static_cast<std::size_t>(tab().method - 1)]);
        type(givenField(), tab().givenValue);
    }

    void calc() {
        closer_->forget();
        QTest::mouseClick(&named<QPushButton>(tab().form.calc), Qt::LeftButton);
        EXPECT_TRUE(x87::sameControlWord(x87::readControlWord(), kProgramWord))
            << std::hex << x87::readControlWord();
    }

    // The tab's design at fc 1 kHz, calculated without a box.
    void calcTheDesign() {
        setUpDesign();
        type(0, "1000");
        calc();
        expectBoxes({});
    }

    // Ctrl+key where the user's focus is, in the main window.
    void pressCtrlOnTheWindow(Qt::Key key) {
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
        QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier);
    }

    QStringList memoLines() const {
        const QString text = named<QPlainTextEdit>(tab().form.memo).toPlainText();
        return text.isEmpty() ? QStringList{} : text.split('\n');
    }

    Sweep charted() const {
        Sweep sweep;
        for (auto [series, points] :
             {std::pair{&window_->gainSeries(tab().form.topology), &sweep.gain},
              std::pair{&window_->phaseSeries(tab().form.topology), &sweep.phase}}) {
            const QCPGraphDataContainer& data = *series->graph().data();
            for (auto it = data.constBegin(); it != data.constEnd(); ++it) {
                points->push_back({it->key, it->value});
            }
        }
        return sweep;
    }

    // The tab's design run by the engine alone, into series that only store.
    Sweep engineSweep() const {
        CoefficientTables tables;
        tables.Fill();
        DesignRequest request;
        FieldTexts fields;
        fields.fc = "1000";
        (givenField() == 1 ? fields.first[0] : fields.second[0]) = tab().givenValue;
        testing::RecordingMessages messages;
        testing::RecordingReport report;
        testing::StoredSeries gain;
        testing::StoredSeries phase;
        const DesignEngine engine{*window_->MathLib1, tables, request, "."};
        const DesignTab design{tab().form.topology,
                               [&] {
                                   readRequest(stageFieldsOf(tab().form.topology), fields, ".",
                                               request, messages);
                               },
                               report,
                               {gain, phase}};
        runDesign(engine, design, tab().method, tab().family, 8);
        return {gain.points, phase.points};
    }

    void expectBoxes(const std::vector<ExpectedBox>& expected) const {
        const std::vector<ShownBox>& shown = closer_->boxes();
        QStringList shownTexts;
        for (const ShownBox& box : shown) {
            shownTexts << box.text;
        }
        QStringList expectedTexts;
        for (const ExpectedBox& box : expected) {
            expectedTexts << box.text;
        }
        ASSERT_EQ(shownTexts, expectedTexts);
        for (std::size_t i = 0; i < shown.size(); ++i) {
            SCOPED_TRACE(shownTexts[static_cast<qsizetype>(i)].toStdString());
            EXPECT_EQ(shown[i].icon, expected[i].icon);
            EXPECT_EQ(shown[i].title, "Tessaron");
            EXPECT_EQ(shown[i].buttons, 1);
            EXPECT_EQ(shown[i].memo, expected[i].memo);
            EXPECT_TRUE(x87::sameControlWord(shown[i].controlWord, kProgramWord))
                << std::hex << shown[i].controlWord;
        }
    }

    void expectChartsOfTheDesign() const {
        const Sweep shown = charted();
        const Sweep expected = engineSweep();
        ASSERT_EQ(shown.gain.size(), 10000u);
        ASSERT_EQ(shown.phase.size(), 10000u);
        ASSERT_EQ(expected.gain.size(), 10000u);
        for (std::size_t k = 0; k < 10000u; ++k) {
            ASSERT_EQ(shown.gain[k].x, expected.gain[k].x) << k;
            ASSERT_EQ(shown.gain[k].y, expected.gain[k].y) << k;
            ASSERT_EQ(shown.phase[k].x, expected.phase[k].x) << k;
            ASSERT_EQ(shown.phase[k].y, expected.phase[k].y) << k;
        }
    }

    std::unique_ptr<TFormMain> window_;
    std::unique_ptr<BoxCloser> closer_;
};

}  // namespace tessaron::e2e
