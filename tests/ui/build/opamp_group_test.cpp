// SPDX-License-Identifier: GPL-3.0-or-later

// The Build window's op-amp (or, on the passive tab, circuit) group: its
// fields, what a field that cannot be read stops, and the circuit as built
// in the table and on the tab's charts.
#include <QLineEdit>
#include <QRadioButton>

#include "tests/ui/build/build_window_fixture.h"
#include "ui/build/opamp_group.h"

namespace tessaron::test {
namespace {

class OpAmpGroupTest : public BuildWindowTest {
  protected:
    static QLineEdit& field(const BuildWindow& build, const char* name) {
        return *build.findChild<QLineEdit*>(name);
    }
    static void choose(const BuildWindow& build, const char* radio) {
        build.findChild<QRadioButton*>(radio)->click();
    }
    std::vector<double> standardGain(const BuildTab& t) const {
        const QCPGraph* line =
            findSeries(named<QCustomPlot>(t.form().gain.chart), BuildOverlay::kStandardSeries);
        std::vector<double> gain;
        if (line != nullptr) {
            for (auto it = line->data()->constBegin(); it != line->data()->constEnd(); ++it) {
                gain.push_back(it->value);
            }
        }
        return gain;
    }
};

TEST_F(OpAmpGroupTest, OffersItsFieldsAtTheirDefaultsOnlyWithTheSecondChoice) {
    const struct {
        const BuildTab& tab;
        const char* title;
        QStringList fields;
        QStringList texts;
    } cases[] = {
        {kTabs[0], "Op-amp", {"Gbw", "DcGain", "InputCapacitance"}, {"1 MHz", "100", "0"}},
        {kTabs[1], "Op-amp", {"Gbw", "DcGain", "InputCapacitance"}, {"1 MHz", "100", "0"}},
        {kTabs[2], "Circuit", {"SourceResistance", "LoadResistance"}, {"0 Ω", "open"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tab.caption);
        BuildWindow& build = window->companions().showBuild(c.tab.topology);
        EXPECT_EQ(build.findChild<OpAmpGroup*>("OpAmpGroup")->title(), c.title);
        for (qsizetype i = 0; i < c.fields.size(); ++i) {
            QLineEdit& edit = field(build, c.fields[i].toLatin1().constData());
            EXPECT_EQ(edit.text(), c.texts[i]);
            EXPECT_FALSE(edit.isEnabled());
            choose(build, "AsBuilt");
            EXPECT_TRUE(edit.isEnabled());
            choose(build, "AsDesigned");
        }
    }
}

TEST_F(OpAmpGroupTest, AFieldThatCannotBeReadSaysSoAndNothingIsComputedWithIt) {
    const struct {
        const BuildTab& tab;
        const char* field;
        const char* text;
        const char* problem;
    } cases[] = {
        {kTabs[0], "Gbw", "fast", "The gain-bandwidth product is not a number."},
        {kTabs[1], "Gbw", "0 Hz", "The gain-bandwidth product must be above 0 Hz."},
        {kTabs[0], "DcGain", "300", "The DC gain must lie between 0 and 200 dB."},
        {kTabs[2], "LoadResistance", "0",
         "The load resistance must be above 0 Ω; \"open\" is "
         "no load."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        SetUp();
        calc(c.tab, "1000", c.tab.first0);
        BuildWindow& build = window->companions().showBuild(c.tab.topology);
        const int idealRows = table(build).rowCount();
        choose(build, "AsBuilt");
        field(build, c.field).setText(c.text);
        EXPECT_EQ(text(build, (std::string(c.field) + "Problem").c_str()), c.problem);
        EXPECT_TRUE(text(build, "Status").startsWith(c.problem));
        EXPECT_EQ(table(build).rowCount(), idealRows);
        EXPECT_FALSE(build.bandRunning());
        EXPECT_TRUE(standardGain(c.tab).empty());
        EXPECT_FALSE(std::holds_alternative<std::string>(build.netlist()));
    }
}

TEST_F(OpAmpGroupTest, RealAddsEachStagesRowsWithTheRealOpAmpAndTheStageThatNeedsMost) {
    for (const BuildTab& t : {kTabs[0], kTabs[1]}) {
        SCOPED_TRACE(t.caption);
        calc(t, "1000", t.first0);
        BuildWindow& build = window->companions().showBuild(t.topology);
        ASSERT_EQ(table(build).rowCount(), t.topology == kindOf<SallenKey> ? 6 : 7);
        choose(build, "AsBuilt");
        field(build, "Gbw").setText("10 MHz");
        const int rows = table(build).rowCount();
        ASSERT_EQ(rows, t.topology == kindOf<SallenKey> ? 9 : 10);
        EXPECT_EQ(cell(build, rows - 3, 1), "fn, real op-amp");
        EXPECT_EQ(cell(build, rows - 2, 1), "Q, real op-amp");
        EXPECT_EQ(cell(build, rows - 1, 1), "minimum GBW");
        EXPECT_TRUE(text(build, "Summary")
                        .contains("Op-amp: GBW 10 MHz, A0 100 dB. Most GBW "
                                  "needed: Unit 0, "));
        choose(build, "AsDesigned");
        EXPECT_EQ(table(build).rowCount(), rows - 3);
    }
}

// A slow op-amp moves the green curve; the ideal one gives back the very
// curve it drew before, and the design's own points never move.
TEST_F(OpAmpGroupTest, TheCircuitAsBuiltMovesTheGreenCurveAndTheFirstChoiceRestoresIt) {
    const struct {
        const BuildTab& tab;
        const char* field;
        const char* text;
    } cases[] = {
        {kTabs[0], "Gbw", "20 kHz"},
        {kTabs[1], "Gbw", "20 kHz"},
        {kTabs[2], "SourceResistance", "50"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tab.caption);
        calc(c.tab, "1000", c.tab.first0);
        BuildWindow& build = window->companions().showBuild(c.tab.topology);
        const std::vector<double> today = standardGain(c.tab);
        const int points = pointCount(c.tab.form().gain.chart);
        ASSERT_EQ(today.size(), 10000u);
        choose(build, "AsBuilt");
        field(build, c.field).setText(c.text);
        waitForBand(build);
        const std::vector<double> asBuilt = standardGain(c.tab);
        ASSERT_EQ(asBuilt.size(), today.size());
        EXPECT_NE(asBuilt, today);
        EXPECT_TRUE(
            std::none_of(asBuilt.begin(), asBuilt.end(), [](double g) { return std::isnan(g); }));
        choose(build, "AsDesigned");
        EXPECT_EQ(standardGain(c.tab), today);
        EXPECT_EQ(pointCount(c.tab.form().gain.chart), points);
    }
}

}  // namespace
}  // namespace tessaron::test
