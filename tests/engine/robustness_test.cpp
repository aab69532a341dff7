// SPDX-License-Identifier: GPL-3.0-or-later

// Randomised abuse of the reader and the design run with a fixed seed: every
// case must either complete with 10,000 finite points per series or end with
// one of the math exceptions, leaving whole report blocks and the control word.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>
#include <regex>
#include <string>

#include "engine/design_run.h"
#include "engine/number_text.h"
#include "engine/request_reader.h"
#include "fakes.h"
#include "mathlib/math_errors.h"
#include "mathlib/x87.h"

namespace tessaron {
namespace {

int caseCount(const char* variable, int fallback) {
    const char* text = std::getenv(variable);
    return text != nullptr ? std::atoi(text) : fallback;
}

class Generator {
  public:
    explicit Generator(unsigned seed) : rng_(seed) {}

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    std::string digits(int most) {
        std::string s;
        for (int i = below(most + 1); i > 0; --i) {
            s += static_cast<char>('0' + below(10));
        }
        return s;
    }

    // Text that is mostly number-shaped, with every kind of damage mixed in.
    std::string fieldText() {
        static const char* const kSpecial[] = {
            "1e5000", "-1e5000", "1e-5000", "1e4932", "1.18e4932", "1e-4951", "4.9e-4951",
            ".",      "-",       "+",       "",       " ",         "e",       "inf",
            "nan",    "0x1p3",   "1,5",     "1.5.3",  "--1",       "1e+-3",   "\t1",
        };
        switch (below(4)) {
            case 0:
                return kSpecial[below(static_cast<int>(std::size(kSpecial)))];
            case 1: {
                std::string s(static_cast<std::size_t>(below(12)), ' ');
                for (char& c : s) {
                    c = static_cast<char>(below(256));
                }
                return s;
            }
            default: {
                std::string s(static_cast<std::size_t>(below(3)), ' ');
                const char* signs[] = {"", "+", "-"};
                s += signs[below(3)];
                s += digits(below(8) == 0 ? 400 : 12);
                if (below(2) != 0) {
                    s += below(8) == 0 ? "," : ".";
                    s += digits(12);
                }
                if (below(2) != 0) {
                    s += below(2) != 0 ? "e" : "E";
                    s += signs[below(3)];
                    s += below(6) == 0 ? digits(30) : std::to_string(below(5000));
                }
                s += std::string(static_cast<std::size_t>(below(3)), ' ');
                return s;
            }
        }
    }

    // Values from the ordinary to the edges of the extended range.
    std::string designValue() {
        static const char* const kExtreme[] = {"0",      "-0",      "1e-4900", "-1e4900",
                                               "1e4900", "4e-4951", "1e-300",  "1e300",
                                               "-1",     "1e-12",   "1e12",    "x"};
        if (below(3) == 0) {
            return kExtreme[below(static_cast<int>(std::size(kExtreme)))];
        }
        const char* signs[] = {"", "-"};
        return std::string(signs[below(5) == 0 ? 1 : 0]) + std::to_string(1 + below(9)) + "e" +
               std::to_string(below(40) - 20);
    }

  private:
    std::mt19937 rng_;
};

TEST(Robustness, ReaderAcceptsExactlyTheNumberGrammar) {
    const std::regex grammar(R"(^ *[+-]?([0-9]+(\.[0-9]*)?|\.[0-9]*)([eE][+-]?[0-9]*)? *$)");
    Generator gen(20261208);
    const int cases = caseCount("TESSARON_FUZZ_READER_CASES", 40000);
    for (int i = 0; i < cases; ++i) {
        const std::string text = gen.fieldText();
        const auto value = parseNumber(text, ".");
        if (value) {
            ASSERT_TRUE(std::regex_match(text, grammar)) << '"' << text << '"';
            ASSERT_TRUE(std::isfinite(*value)) << text;
        } else if (std::regex_match(text, grammar)) {
            // The only well-formed text refused is one beyond the extended range.
            ASSERT_NE(text.find_first_of("eE"), std::string::npos) << '"' << text << '"';
        }
        ASSERT_TRUE(x87::sameControlWord(x87::readControlWord(), 0x1332));
    }
}

TEST(Robustness, DesignsEitherCompleteOrStopCleanly) {
    TMathLib math(nullptr);
    CoefficientTables tables;
    tables.Fill();
    DesignRequest request;
    Generator gen(4914);
    const int orders[] = {2, 4, 8};
    const int cases = caseCount("TESSARON_FUZZ_DESIGN_CASES", 20000);
    int completed = 0;
    int stopped = 0;
    for (int i = 0; i < cases; ++i) {
        const auto topology = static_cast<TopologyKind>(gen.below(Topologies::size));
        const int order = orders[gen.below(3)];
        const FilterFamily family = 1 + gen.below(3);
        const int method = 1 + gen.below(2);
        FieldTexts fields;
        fields.fc = gen.below(4) == 0 ? gen.designValue() : std::to_string(1 + gen.below(100000));
        for (int s = 0; s < kMaxStages; ++s) {
            fields.first[static_cast<std::size_t>(s)] = gen.designValue();
            fields.second[static_cast<std::size_t>(s)] = gen.designValue();
        }
        testing::RecordingReport report;
        testing::RecordingMessages messages;
        testing::StoredSeries gain;
        testing::StoredSeries phase;
        const DesignEngine engine{math, tables, request, "."};
        const DesignTab tab{
            topology,
            [&] { readRequest(stageFieldsOf(topology), fields, ".", request, messages); },
            report,
            {gain, phase}};
        SCOPED_TRACE(::testing::Message() << "case " << i << " fc " << fields.fc << " first "
                                          << fields.first[0] << " second " << fields.second[0]);
        try {
            runDesign(engine, tab, method, family, order);
            ++completed;
            ASSERT_EQ(gain.points.size(), 10000u);
            ASSERT_EQ(phase.points.size(), 10000u);
            for (std::size_t k = 0; k < gain.points.size(); ++k) {
                ASSERT_TRUE(std::isfinite(gain.points[k].x) && std::isfinite(gain.points[k].y) &&
                            std::isfinite(phase.points[k].y))
                    << "point " << k;
            }
        } catch (const EMathError&) {
            ++stopped;
            ASSERT_LE(gain.points.size(), 10000u);
        }
        // Header plus whole blocks only.
        const std::size_t blockLines = withTopology(topology, []<Topology T>() {
            return std::tuple_size_v<decltype(T::componentLines({}))> + 4;
        });
        ASSERT_GE(report.lines.size(), 2u);
        ASSERT_EQ((report.lines.size() - 2) % blockLines, 0u);
        for (std::size_t b = 2; b < report.lines.size(); b += blockLines) {
            ASSERT_EQ(report.lines[b], "<Unit " + std::to_string((b - 2) / blockLines) + ">");
            ASSERT_EQ(report.lines[b + blockLines - 1], "------------------------");
        }
        ASSERT_TRUE(x87::sameControlWord(x87::readControlWord(), 0x1332));
    }
    // The mix must exercise both outcomes, or it tests nothing.
    EXPECT_GT(completed, cases / 10);
    EXPECT_GT(stopped, cases / 10);
}

}  // namespace
}  // namespace tessaron
