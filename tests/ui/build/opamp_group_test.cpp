// SPDX-License-Identifier: GPL-3.0-or-later

// The Build window's op-amp (or circuit) group: a field that cannot be read
// stops what it feeds, and the circuit as built reaches the table and the
// tab's green curve.
#include <QLineEdit>
#include <QRadioButton>

#include "tests/ui/build/build_window_fixture.h"

namespace tessaron::test {
namespace {

class OpAmpGroupTest : public BuildWindowTest {
  protected:
    BuildWindow& opened(const BuildTab& t) {
        calc(t, "1000", t.first0);
        return window->companions().showBuild(t.topology);
    }
    static void asBuilt(const BuildWindow& build, const char* field, const char* text) {
        build.findChild<QRadioButton*>("AsBuilt")->click();
        build.findChild<QLineEdit*>(field)->setText(text);
    }
    const QCPGraph* green(const BuildTab& t) const {
        return findSeries(named<QCustomPlot>(t.form().gain.chart), BuildOverlay::kStandardSeries);
    }
};

TEST_F(OpAmpGroupTest, AFieldThatCannotBeReadSaysWhyAndNothingIsComputedWithIt) {
    const struct {
        const BuildTab& tab;
        const char* field;
        const char* text;
        const char* problem;
    } cases[] = {
        {kTabs[0], "Gbw", "fast", "The gain-bandwidth product is not a number."},
        {kTabs[1], "DcGain", "300", "The DC gain must lie between 0 and 200 dB."},
        {kTabs[2], "LoadResistance", "0",
         "The load resistance must be above 0 Ω; \"open\" is no load."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        BuildWindow& build = opened(c.tab);
        const int idealRows = table(build).rowCount();
        asBuilt(build, c.field, c.text);
        EXPECT_EQ(text(build, (std::string(c.field) + "Problem").c_str()), c.problem);
        EXPECT_TRUE(text(build, "Status").startsWith(c.problem));
        EXPECT_EQ(table(build).rowCount(), idealRows);
        EXPECT_FALSE(build.bandRunning());
        EXPECT_EQ(green(c.tab), nullptr);
        EXPECT_FALSE(std::holds_alternative<std::string>(build.netlist()));
    }
}

TEST_F(OpAmpGroupTest, RealGoesOnWithEachStagesRowsAndNamesTheStageThatNeedsMost) {
    BuildWindow& build = opened(kTabs[1]);
    asBuilt(build, "Gbw", "10 MHz");
    ASSERT_EQ(table(build).rowCount(), 6 + 3);
    EXPECT_EQ(cell(build, 6, 1), "fn, real op-amp");
    EXPECT_EQ(cell(build, 8, 1), "minimum GBW");
    EXPECT_TRUE(text(build, "Summary")
                    .contains("Op-amp: GBW 10 MHz, A0 100 dB. Most GBW needed: "
                              "Unit 0, "));
}

// A slow op-amp, or sections connected to a source resistance, move the
// green curve; the first choice gives back the very curve drawn before.
TEST_F(OpAmpGroupTest, TheCircuitAsBuiltMovesTheGreenCurveAndTheFirstChoiceRestoresIt) {
    for (const BuildTab& t : kTabs) {
        SCOPED_TRACE(t.caption);
        BuildWindow& build = opened(t);
        ASSERT_NE(green(t), nullptr);
        const auto today = pointsOf(*green(t));
        const bool passive = t.topology == kindOf<Passive>;
        asBuilt(build, passive ? "SourceResistance" : "Gbw", passive ? "50" : "20 kHz");
        waitForBand(build);
        ASSERT_NE(green(t), nullptr);
        EXPECT_NE(pointsOf(*green(t)), today);
        build.findChild<QRadioButton*>("AsDesigned")->click();
        EXPECT_EQ(pointsOf(*green(t)), today);
    }
}

}  // namespace
}  // namespace tessaron::test
