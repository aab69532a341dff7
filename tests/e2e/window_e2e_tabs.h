// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Each tab of the window with the 8th-order design it is driven through and
// the report it must give.
#pragma once

#include <gtest/gtest.h>

#include <qcustomplot.h>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "engine/design_run.h"
#include "engine/request_reader.h"
#include "mathlib/fp_guard.h"
#include "mathlib/x87.h"
#include "tests/e2e/box_closer.h"
#include "tests/engine/fakes.h"
#include "tests/support/ci_skips.h"
#include "ui/build/build_window.h"
#include "ui/main_window/companion_windows.h"
#include "ui/main_window/form_main.h"
#include "ui/main_window/form_tabs.h"
#include "ui/resources/resources.h"
#include "ui/response/response_window.h"

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace tessaron::e2e {

inline constexpr std::uint16_t kProgramWord = 0x1332;

inline const QString kZeroDivide = QString::fromUtf8("0 による浮動小数点数除算.");

inline QStringList header(int method) {
    return {QString("---Result of Method %1---").arg(method), "------------------------"};
}

// A tab's controls, its messages, and one 8th-order design with the report it
// must give at fc = 1000.
struct TabUnderTest {
    FormTab form;
    const char* firstMessage;
    const char* secondMessage;
    FilterFamily family;
    int method;
    const char* givenValue;  // stage 0's field of the method: the first for 1, the second for 2
    QStringList report;
};

inline void PrintTo(const TabUnderTest& tab, std::ostream* out) {
    *out << tab.form.page;
}

inline const TabUnderTest kMultiFeedback{.form = formTab(kindOf<MultipleFeedback>),
                                         .firstMessage = "Cannot convert RX.",
                                         .secondMessage = "Cannot convert C2.",
                                         .family = 3,
                                         .method = 1,
                                         .givenValue = "10000",
                                         .report = {"---Result of Method 1---",
                                                    "------------------------",
                                                    "<Unit 0>",
                                                    "  R1 := 10000 (ohm)",
                                                    "  R2 := 10000 (ohm)",
                                                    "  R3 := 10000 (ohm)",
                                                    "  C1 := 1.08862431604452E-7 (F)",
                                                    "  C2 := 2.64246989304898E-8 (F)",
                                                    " *fc := 296.74 (Hz)",
                                                    "  *Q := 0.67657",
                                                    "------------------------",
                                                    "<Unit 1>",
                                                    "  R1 := 10000 (ohm)",
                                                    "  R2 := 10000 (ohm)",
                                                    "  R3 := 10000 (ohm)",
                                                    "  C1 := 1.28415691421805E-7 (F)",
                                                    "  C2 := 5.49992861815092E-9 (F)",
                                                    " *fc := 598.87 (Hz)",
                                                    "  *Q := 1.61068",
                                                    "------------------------",
                                                    "<Unit 2>",
                                                    "  R1 := 10000 (ohm)",
                                                    "  R2 := 10000 (ohm)",
                                                    "  R3 := 10000 (ohm)",
                                                    "  C1 := 1.92185402594147E-7 (F)",
                                                    "  C2 := 1.77788421666871E-9 (F)",
                                                    " *fc := 861.01 (Hz)",
                                                    "  *Q := 3.46567",
                                                    "------------------------",
                                                    "<Unit 3>",
                                                    "  R1 := 10000 (ohm)",
                                                    "  R2 := 10000 (ohm)",
                                                    "  R3 := 10000 (ohm)",
                                                    "  C1 := 5.47298717969291E-7 (F)",
                                                    "  C2 := 4.57365121635079E-10 (F)",
                                                    " *fc := 1005.95 (Hz)",
                                                    "  *Q := 11.5308",
                                                    "------------------------"}};

inline const TabUnderTest kSallenKey{.form = formTab(kindOf<SallenKey>),
                                     .firstMessage = "Cannot convert RX.",
                                     .secondMessage = "Cannot convert C2.",
                                     .family = 2,
                                     .method = 2,
                                     .givenValue = "1e-8",
                                     .report = {"---Result of Method 2---",
                                                "------------------------",
                                                "<Unit 0>",
                                                "  R1 := 8828.34792539121 (ohm)",
                                                "  R2 := 8828.34792539121 (ohm)",
                                                "  C1 := 1.0241035204E-8 (F)",
                                                "  C2 := 1E-8 (F)",
                                                " *fc := 1781.43 (Hz)",
                                                "  *Q := 0.50599",
                                                "------------------------",
                                                "<Unit 1>",
                                                "  R1 := 7748.81813160237 (ohm)",
                                                "  R2 := 7748.81813160237 (ohm)",
                                                "  C1 := 1.2526534084E-8 (F)",
                                                "  C2 := 1E-8 (F)",
                                                " *fc := 1835.14 (Hz)",
                                                "  *Q := 0.55961",
                                                "------------------------",
                                                "<Unit 2>",
                                                "  R1 := 5721.94152025177 (ohm)",
                                                "  R2 := 5721.94152025177 (ohm)",
                                                "  C1 := 2.02123089E-8 (F)",
                                                "  C2 := 1E-8 (F)",
                                                " *fc := 1956.45 (Hz)",
                                                "  *Q := 0.71085",
                                                "------------------------",
                                                "<Unit 3>",
                                                "  R1 := 2961.36609127425 (ohm)",
                                                "  R2 := 2961.36609127425 (ohm)",
                                                "  C1 := 6.00936196E-8 (F)",
                                                "  C2 := 1E-8 (F)",
                                                " *fc := 2192.37 (Hz)",
                                                "  *Q := 1.2257",
                                                "------------------------"}};

inline const TabUnderTest kPassive{.form = formTab(kindOf<Passive>),
                                   .firstMessage = "Cannot convert L.",
                                   .secondMessage = "Cannot convert C.",
                                   .family = 1,
                                   .method = 1,
                                   .givenValue = "0.01",
                                   .report = {"---Result of Method 1---",
                                              "------------------------",
                                              "<Unit 0>",
                                              "  R := 123.249011510086 (ohm)",
                                              "  L := 0.01 (H)",
                                              "  C := 2.53302959105844E-6 (F)",
                                              " *fc := 1000 (Hz)",
                                              "  *Q := 0.509796",
                                              "------------------------",
                                              "<Unit 1>",
                                              "  R := 104.485533382328 (ohm)",
                                              "  L := 0.01 (H)",
                                              "  C := 2.53302959105844E-6 (F)",
                                              " *fc := 1000 (Hz)",
                                              "  *Q := 0.601345",
                                              "------------------------",
                                              "<Unit 2>",
                                              "  R := 69.8150318139549 (ohm)",
                                              "  L := 0.01 (H)",
                                              "  C := 2.53302959105844E-6 (F)",
                                              " *fc := 1000 (Hz)",
                                              "  *Q := 0.899976",
                                              "------------------------",
                                              "<Unit 3>",
                                              "  R := 24.5157771802014 (ohm)",
                                              "  L := 0.01 (H)",
                                              "  C := 2.53302959105844E-6 (F)",
                                              " *fc := 1000 (Hz)",
                                              "  *Q := 2.562915",
                                              "------------------------"}};

}  // namespace tessaron::e2e
