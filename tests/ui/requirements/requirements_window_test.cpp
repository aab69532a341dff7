// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/requirements/requirements_window.h"

#include <gtest/gtest.h>

#include <qcustomplot.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <optional>

#include "engine/number_text.h"
#include "mathlib/x87.h"
#include "ui/charts/chart_limits.h"
#include "ui/requirements/candidate_rows.h"
#include "ui/tab_feed/tab_feed.h"

namespace tessaron {
namespace {

// The window on its own, with what "Use" hands over recorded.
class RequirementsWindowTest : public ::testing::Test {
  protected:
    static CoefficientTables filled() {
        CoefficientTables t;
        t.Fill();
        return t;
    }
    int rows() const { return window.table().rowCount(); }

    CoefficientTables tables = filled();
    TabFeed feed;
    std::optional<std::tuple<FilterFamily, int, QString>> used;
    RequirementsWindow window{tables, feed, "Passive",
                              [this](FilterFamily family, int order, const QString& fc) {
                                  used.emplace(family, order, fc);
                              }};
};

// What it opens with fills a row and a button per family and order, and the
// chart with a curve each over the two limits, down to twice As.
TEST_F(RequirementsWindowTest, OpensWithNineRowsAndTheirCurves) {
    EXPECT_EQ(window.windowTitle(), QString("Tessaron — Requirements, Passive"));
    ASSERT_EQ(rows(), 9);
    EXPECT_NE(window.useButton(8), nullptr);
    EXPECT_EQ(window.table().item(4, 0)->text() + window.table().item(4, 1)->text(), "Bessel4th");
    EXPECT_EQ(window.chart().graphCount(), 9);
    EXPECT_EQ(limitBoxes(window.chart()).size(), 2u);
    EXPECT_EQ(window.chart().yAxis->range().lower, -90);
    EXPECT_EQ(window.message(), QString());
    EXPECT_TRUE(x87::sameControlWord(x87::readControlWord(), 0x1332));
}

// A bad field is named beside itself and nowhere else, and nothing is weighed
// or drawn until it reads again.
TEST_F(RequirementsWindowTest, BadInputSaysWhichFieldAndComputesNoRow) {
    const std::pair<RequirementField, const char*> cases[] = {
        {RequirementField::StopEdge, "1k"},       {RequirementField::StopEdge, "500"},
        {RequirementField::PassEdge, "0"},        {RequirementField::PassEdge, "-2k"},
        {RequirementField::StopAttenuation, "1"}, {RequirementField::PassLoss, "one"},
        {RequirementField::Overshoot, "-5"},      {RequirementField::DelayVariation, "5 Hz"},
    };
    for (const auto& [field, text] : cases) {
        const QString label = QString::fromUtf8(fieldLabel(field).data());
        SCOPED_TRACE(label.toStdString() + " = " + text);
        const QString good = window.field(field).text();
        window.field(field).setText(text);
        EXPECT_TRUE(window.problem(field).startsWith(label + " "));
        for (const RequirementField other : kRequirementFields) {
            EXPECT_TRUE(other == field || window.problem(other).isEmpty());
        }
        EXPECT_EQ(rows(), 0);
        EXPECT_EQ(window.chart().graphCount(), 0);
        EXPECT_TRUE(limitBoxes(window.chart()).empty());
        EXPECT_FALSE(window.message().isEmpty());
        window.field(field).setText(good);
        EXPECT_EQ(rows(), 9);
    }
}

// Failing rows and the lowest passing order of each family stand out.
TEST_F(RequirementsWindowTest, RowsAreColouredByHowTheyStand) {
    int lowest = 0;
    int failing = 0;
    for (int row = 0; row < rows(); ++row) {
        const Candidate& c = window.study().candidates[static_cast<std::size_t>(row)];
        lowest += c.lowestPassing;
        failing += !c.meetsAll();
        const QColor expected = rowBackground(c);
        const QTableWidgetItem& item = *window.table().item(row, kUseColumn - 1);
        EXPECT_EQ(item.background(), expected.isValid() ? QBrush(expected) : QBrush());
        EXPECT_EQ(item.font().bold(), c.lowestPassing);
    }
    EXPECT_GT(lowest, 0);
    EXPECT_GT(failing, 0);
}

// "Use" hands over the row's family and order and its fc as text that the
// tab's reader, with the reports' separator, reads back to the very double.
TEST_F(RequirementsWindowTest, UseHandsOverTheRowWithItsExactFc) {
    for (const char* separator : {".", ","}) {
        SCOPED_TRACE(separator);
        feed.setDecimalSeparator(separator);
        window.field(RequirementField::PassLoss).setText(QString("0") + separator + "15");
        ASSERT_EQ(rows(), 9);
        EXPECT_TRUE(window.table().item(7, 3)->text().contains(separator));
        window.useButton(7)->click();
        const Candidate& c = window.study().candidates[7];
        ASSERT_TRUE(used);
        EXPECT_EQ(std::get<0>(*used), c.family);
        EXPECT_EQ(std::get<1>(*used), c.order);
        const auto read = parseNumber(std::get<2>(*used).toStdString(), separator);
        ASSERT_TRUE(read);
        EXPECT_EQ(static_cast<double>(*read), c.fc);
    }
}

}  // namespace
}  // namespace tessaron
