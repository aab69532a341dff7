// SPDX-License-Identifier: GPL-3.0-or-later

// Sinks that leave sticky flags behind, as the window's message boxes, memo and
// charts may: a design must give exactly what it gives with quiet sinks, and a
// fault must still be the one our own arithmetic raised.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "engine/design_run.h"
#include "engine/request_reader.h"
#include "fakes.h"
#include "mathlib/math_errors.h"
#include "mathlib/x87.h"
#include "tests/mathlib/foreign_flags.h"

namespace tessaron {
namespace {

using testing::ForeignFlag;
using testing::kForeignFlags;

// Each sink leaves its flag after every call when it is the noisy one.
struct Noise {
    void (*raise)() = nullptr;
    void operator()() const {
        if (raise != nullptr) {
            raise();
        }
    }
};

struct NoisyMessages : testing::RecordingMessages {
    Noise noise;
    void doShowMessage(std::string_view text) override {
        RecordingMessages::doShowMessage(text);
        noise();
    }
};

struct NoisyReport : testing::RecordingReport {
    Noise noise;
    void doAppendLine(std::string_view line) override {
        RecordingReport::doAppendLine(line);
        noise();
    }
};

struct NoisySeries : testing::StoredSeries {
    Noise noise;
    void doClear() override {
        StoredSeries::doClear();
        noise();
    }
    void doSetPoints(std::vector<PlotPoint> newPoints) override {
        StoredSeries::doSetPoints(std::move(newPoints));
        noise();
    }
};

enum class Where { Messages, Report, Series };

struct Outcome {
    std::vector<std::string> messages;
    std::vector<std::string> report;
    std::vector<PlotPoint> gain;
    std::vector<PlotPoint> phase;
};

struct Design {
    TopologyKind topology;
    int method;
};

void PrintTo(const Design& d, std::ostream* out) {
    *out << nameOf(d.topology) << "/" << d.method;
}

class NoisySinks : public ::testing::TestWithParam<Design> {
  protected:
    void SetUp() override {
        tables.Fill();
        request.Zero();
    }

    // Fields with both given values on every page and two unreadable ones on
    // page "Unit2", so that the reader shows two messages and the 8th-order
    // design still completes.
    FieldTexts fields(const char* fc) const {
        FieldTexts f;
        f.fc = fc;
        f.first[0] = GetParam().topology == kindOf<Passive> ? "0.01" : "10000";
        f.second[0] = "1e-8";
        f.first[2] = "x";
        f.second[2] = "y";
        return f;
    }

    // Runs the design with the sink at `where` raising `flag` (none: all quiet).
    Outcome run(const FieldTexts& f, const ForeignFlag* flag, Where where) {
        NoisyMessages messages;
        NoisyReport report;
        NoisySeries gain;
        NoisySeries phase;
        if (flag != nullptr) {
            switch (where) {
                case Where::Messages:
                    messages.noise.raise = flag->raise;
                    break;
                case Where::Report:
                    report.noise.raise = flag->raise;
                    break;
                case Where::Series:
                    gain.noise.raise = flag->raise;
                    phase.noise.raise = flag->raise;
                    break;
            }
        }
        const TopologyKind topology = GetParam().topology;
        const DesignEngine engine{math, tables, request, "."};
        const DesignTab tab{
            topology,
            [&] { readRequest(stageFieldsOf(topology), f, ".", request, messages); },
            report,
            {gain, phase}};
        runDesign(engine, tab, GetParam().method, Chebyshev, 8);
        return {messages.shown, report.lines, gain.points, phase.points};
    }

    TMathLib math{nullptr};
    CoefficientTables tables;
    DesignRequest request;
};

void expectSamePoints(const std::vector<PlotPoint>& actual,
                      const std::vector<PlotPoint>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t k = 0; k < expected.size(); ++k) {
        ASSERT_EQ(actual[k].x, expected[k].x) << k;
        ASSERT_EQ(actual[k].y, expected[k].y) << k;
    }
}

TEST_P(NoisySinks, DesignIsExactlyThatOfQuietSinks) {
    const FieldTexts f = fields("1000");
    const Outcome quiet = run(f, nullptr, Where::Messages);
    ASSERT_EQ(quiet.messages.size(), 2u);
    ASSERT_EQ(quiet.gain.size(), 10000u);
    for (const ForeignFlag& flag : kForeignFlags) {
        for (Where where : {Where::Messages, Where::Report, Where::Series}) {
            SCOPED_TRACE(::testing::Message()
                         << flag.name << " in sink " << static_cast<int>(where));
            Outcome noisy;
            ASSERT_NO_THROW(noisy = run(f, &flag, where));
            EXPECT_EQ(noisy.messages, quiet.messages);
            EXPECT_EQ(noisy.report, quiet.report);
            expectSamePoints(noisy.gain, quiet.gain);
            expectSamePoints(noisy.phase, quiet.phase);
            EXPECT_TRUE(x87::sameControlWord(x87::readControlWord(), 0x1332));
        }
    }
}

TEST_P(NoisySinks, UnreadableFcStillStopsWithDivisionByZeroAfterTheHeader) {
    const FieldTexts f = fields("abc");
    const std::vector<std::string> header{
        "---Result of Method " + std::to_string(GetParam().method) + "---",
        "------------------------"};
    for (const ForeignFlag& flag : kForeignFlags) {
        SCOPED_TRACE(flag.name);
        NoisyMessages messages;
        NoisyReport report;
        NoisySeries gain;
        NoisySeries phase;
        for (Noise* noise : {&messages.noise, &report.noise, &gain.noise, &phase.noise}) {
            noise->raise = flag.raise;
        }
        const TopologyKind topology = GetParam().topology;
        const DesignEngine engine{math, tables, request, "."};
        const DesignTab tab{
            topology,
            [&] { readRequest(stageFieldsOf(topology), f, ".", request, messages); },
            report,
            {gain, phase}};
        EXPECT_THROW(runDesign(engine, tab, GetParam().method, Chebyshev, 8), EZeroDivide);
        EXPECT_EQ(messages.shown.size(), 3u);
        ASSERT_FALSE(messages.shown.empty());
        EXPECT_EQ(messages.shown.front(), "Cannot convert fc.");
        EXPECT_EQ(report.lines, header);
        EXPECT_EQ(gain.clears, 0);
        EXPECT_TRUE(x87::sameControlWord(x87::readControlWord(), 0x1332));
    }
}

INSTANTIATE_TEST_SUITE_P(TopologiesAndMethods, NoisySinks,
                         ::testing::Values(Design{kindOf<MultipleFeedback>, 1},
                                           Design{kindOf<MultipleFeedback>, 2},
                                           Design{kindOf<SallenKey>, 1},
                                           Design{kindOf<SallenKey>, 2}, Design{kindOf<Passive>, 1},
                                           Design{kindOf<Passive>, 2}));

}  // namespace
}  // namespace tessaron
