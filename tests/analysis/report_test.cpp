// SPDX-License-Identifier: GPL-3.0-or-later

#include "analysis/report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace tessaron {
namespace {

class RecordingSink : public ReportSink {
  public:
    std::vector<std::string> lines;

  private:
    void doAppendLine(std::string_view line) override { lines.emplace_back(line); }
};

TEST(ReportHeader, NamesTheMethod) {
    const struct {
        int method;
        const char* title;
    } cases[] = {{1, "---Result of Method 1---"}, {2, "---Result of Method 2---"}};
    for (const auto& c : cases) {
        RecordingSink sink;
        appendReportHeader(sink, c.method);
        EXPECT_EQ(sink.lines, (std::vector<std::string>{c.title, "------------------------"}));
    }
}

// A Butterworth order-2 multiple-feedback stage at 1000 Hz (Q 0.707107, k 1),
// sized and measured in extended precision as the design run does.
struct MfStage {
    Extended r1, r2, r3, c1, c2;
};

void appendMfBlock(RecordingSink& sink, const MfStage& s, std::string_view separator = ".") {
    const Extended fs = std::sqrt(1.0L / (((s.r2 * s.r3) * s.c1) * s.c2)) / kTwoPi;
    const Extended qs =
        std::sqrt(s.c1 / s.c2) /
        (std::sqrt(s.r3 * s.r2) / s.r1 + (std::sqrt(s.r2 / s.r3) + std::sqrt(s.r3 / s.r2)));
    const ComponentLine lines[] = {{"  R1 := ", s.r1, " (ohm)"},
                                   {"  R2 := ", s.r2, " (ohm)"},
                                   {"  R3 := ", s.r3, " (ohm)"},
                                   {"  C1 := ", s.c1, " (F)"},
                                   {"  C2 := ", s.c2, " (F)"}};
    appendStageBlock(sink, 0, lines, fs, qs, separator);
}

constexpr Extended kQ = 0.707107L;
constexpr Extended kOmega = 1000.0L * kTwoPi;

TEST(ReportStageBlock, MultipleFeedbackFixRx) {
    const Extended t = 1.0L / ((kOmega * 1.0L) * 10000.0L);
    RecordingSink sink;
    appendReportHeader(sink, 1);
    appendMfBlock(sink, {10000.0L, 10000.0L, 10000.0L, (kQ * 3.0L) * t, t / (kQ * 3.0L)});
    EXPECT_EQ(sink.lines,
              (std::vector<std::string>{"---Result of Method 1---", "------------------------",
                                        "<Unit 0>", "  R1 := 10000 (ohm)", "  R2 := 10000 (ohm)",
                                        "  R3 := 10000 (ohm)", "  C1 := 3.37618723034643E-8 (F)",
                                        "  C2 := 7.50263364629376E-9 (F)", " *fc := 1000 (Hz)",
                                        "  *Q := 0.707107", "------------------------"}));
}

TEST(ReportStageBlock, MultipleFeedbackFixC2) {
    const Extended c2 = 1e-8L;
    const Extended x = 1.0L / ((kOmega * 1.0L) * c2);
    const Extended r1 = x / (kQ * 2.0L);
    RecordingSink sink;
    appendReportHeader(sink, 2);
    appendMfBlock(sink, {r1, x / ((kQ * 2.0L) * 2.0L), r1, (((kQ * kQ) * 4.0L) * 2.0L) * c2, c2});
    EXPECT_EQ(sink.lines, (std::vector<std::string>{
                              "---Result of Method 2---", "------------------------", "<Unit 0>",
                              "  R1 := 11253.9504694406 (ohm)", "  R2 := 5626.97523472032 (ohm)",
                              "  R3 := 11253.9504694406 (ohm)", "  C1 := 4.000002475592E-8 (F)",
                              "  C2 := 1E-8 (F)", " *fc := 1000 (Hz)", "  *Q := 0.707107",
                              "------------------------"}));
}

TEST(ReportStageBlock, NumbersUseTheGivenSeparator) {
    RecordingSink sink;
    const ComponentLine lines[] = {{"  L := ", 0.15L, " (H)"}, {"  C := ", 2.5e-7L, " (F)"}};
    appendStageBlock(sink, 3, lines, 1274.2L, 0.57735L, ",");
    EXPECT_EQ(sink.lines,
              (std::vector<std::string>{"<Unit 3>", "  L := 0,15 (H)", "  C := 2,5E-7 (F)",
                                        " *fc := 1274,2 (Hz)", "  *Q := 0,57735",
                                        "------------------------"}));
}

// 2 + n * (k + 4) lines for n stages of k components, the stages in order.
TEST(ReportStageBlock, ReportLengthPerTopology) {
    const ComponentLine five[] = {{"  R1 := ", 1.0L, " (ohm)"},
                                  {"  R2 := ", 2.0L, " (ohm)"},
                                  {"  R3 := ", 3.0L, " (ohm)"},
                                  {"  C1 := ", 4.0L, " (F)"},
                                  {"  C2 := ", 5.0L, " (F)"}};
    const struct {
        std::size_t components;
        int stages;
        std::size_t expectedLines;
    } cases[] = {{5, 4, 38}, {4, 1, 10}, {3, 2, 16}, {5, 1, 11}};
    for (const auto& c : cases) {
        RecordingSink sink;
        appendReportHeader(sink, 1);
        for (int stage = 0; stage < c.stages; ++stage) {
            appendStageBlock(sink, stage, std::span(five, c.components), 1.0L, 1.0L, ".");
        }
        ASSERT_EQ(sink.lines.size(), c.expectedLines) << c.components << " x " << c.stages;
        for (int stage = 0; stage < c.stages; ++stage) {
            const std::size_t first = 2 + static_cast<std::size_t>(stage) * (c.components + 4);
            EXPECT_EQ(sink.lines[first], "<Unit " + std::to_string(stage) + ">");
            EXPECT_EQ(sink.lines[first + c.components + 3], kReportSeparator);
        }
    }
}

}  // namespace
}  // namespace tessaron
