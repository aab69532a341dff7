// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A tab of the design run as a test sees it: fields in, report, plots and
// messages out.
#include "engine/design_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/request_reader.h"
#include "mathlib/fp_guard.h"
#include "mathlib/math_errors.h"
#include "tests/engine/fakes.h"

namespace tessaron {

using testing::RecordingMessages;
using testing::RecordingReport;
using testing::StoredSeries;
using Lines = std::vector<std::string>;

inline constexpr auto MF = kindOf<MultipleFeedback>;
inline constexpr auto SK = kindOf<SallenKey>;
inline constexpr auto PS = kindOf<Passive>;

// One tab as a test sees it: its fields in, its report, plots and messages out.
struct Tab {
    TopologyKind topology;
    FieldTexts fields;
    RecordingReport report;
    StoredSeries gain;
    StoredSeries phase;
    RecordingMessages messages;
};

class DesignRunTest : public ::testing::Test {
  protected:
    void SetUp() override {
        tables.Fill();
        request.Zero();
    }

    void calc(Tab& tab, int method, FilterFamily family, int order,
              std::function<void(const DesignParts&)> completed = {}) {
        const DesignEngine engine{math, tables, request, "."};
        const DesignTab design{tab.topology,
                               [&] {
                                   readRequest(stageFieldsOf(tab.topology), tab.fields, ".",
                                               request, tab.messages);
                               },
                               tab.report,
                               {tab.gain, tab.phase},
                               std::move(completed)};
        runDesign(engine, design, method, family, order);
    }

    static Tab tab(TopologyKind topology, const char* fc, const char* first0, const char* second0) {
        Tab t{topology, {}, {}, {}, {}, {}};
        t.fields.fc = fc;
        t.fields.first[0] = first0;
        t.fields.second[0] = second0;
        return t;
    }

    TMathLib math{nullptr};
    CoefficientTables tables;
    DesignRequest request;
};

inline Lines header(int method) {
    return {"---Result of Method " + std::to_string(method) + "---", "------------------------"};
}

inline Lines block(int stage, const Lines& components, const std::string& fc,
                   const std::string& q) {
    Lines lines{"<Unit " + std::to_string(stage) + ">"};
    lines.insert(lines.end(), components.begin(), components.end());
    lines.push_back(" *fc := " + fc + " (Hz)");
    lines.push_back("  *Q := " + q);
    lines.push_back("------------------------");
    return lines;
}

inline Lines operator+(Lines a, const Lines& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

inline Lines mfLines(const char* r1, const char* r2, const char* c1, const char* c2) {
    return {std::string("  R1 := ") + r1 + " (ohm)", std::string("  R2 := ") + r2 + " (ohm)",
            std::string("  R3 := ") + r1 + " (ohm)", std::string("  C1 := ") + c1 + " (F)",
            std::string("  C2 := ") + c2 + " (F)"};
}

// The value printed on a report line such as "  C1 := 2.25E-8 (F)".
inline Extended valueOf(const std::string& line) {
    const auto start = line.find(":= ") + 3;
    return std::stold(line.substr(start, line.find(' ', start) - start));
}

}  // namespace tessaron
