// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A tab's buttons pressed as a user presses them, and the reports they give.
#include <gtest/gtest.h>

#include <qcustomplot.h>
#include <QCoreApplication>
#include <QEvent>
#include <QTabWidget>

#include <functional>
#include <vector>

#include "tests/ui/support/window_test.h"

namespace tessaron::test {

inline const FormTab& kMultiFeedback = formTab(kindOf<MultipleFeedback>);
inline const FormTab& kSallenKey = formTab(kindOf<SallenKey>);
inline const FormTab& kPassive = formTab(kindOf<Passive>);

class ButtonActions : public WindowTest {
  protected:
    void calc(const FormTab& t) { click(t.calc); }
    std::vector<double> keys(const char* chart) const {
        std::vector<double> result;
        const auto& data = *named<QCustomPlot>(chart).graph(0)->data();
        for (auto it = data.constBegin(); it != data.constEnd(); ++it) {
            result.push_back(it->key);
        }
        return result;
    }
};

inline const QStringList kMultiFeedbackFixRx{"---Result of Method 1---",
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

}  // namespace tessaron::test
