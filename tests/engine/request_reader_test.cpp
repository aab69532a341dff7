// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/request_reader.h"

#include <gtest/gtest.h>

#include "engine/topologies.h"
#include "fakes.h"
#include "mathlib/math_errors.h"

namespace tessaron {
namespace {

using testing::RecordingMessages;

struct ReadResult {
    DesignRequest request;
    std::vector<std::string> messages;
};

ReadResult read(const StageFields& stageFields, const FieldTexts& fields,
                std::string_view sep = ".") {
    ReadResult r;
    // Start from rubbish: every reader must overwrite what its tab uses.
    r.request.Fc = 123;
    r.request.GivenResistance = {7, 7, 7, 7};
    r.request.GivenCapacitance = {7, 7, 7, 7};
    r.request.GivenInductance = {7, 7, 7, 7};
    RecordingMessages messages;
    readRequest(stageFields, fields, sep, r.request, messages);
    r.messages = messages.shown;
    return r;
}

TEST(RequestReader, DefaultFieldsReadAsZeroWithoutMessages) {
    for (const StageFields* stageFields :
         {&MultipleFeedback::kStageFields, &SallenKey::kStageFields, &Passive::kStageFields}) {
        const ReadResult r = read(*stageFields, FieldTexts{});
        EXPECT_TRUE(r.messages.empty());
        EXPECT_EQ(r.request.Fc, 0.0L);
        EXPECT_EQ(r.request.Omega, 0.0L);
        for (Extended c : r.request.GivenCapacitance) {
            EXPECT_EQ(c, 0.0L);
        }
    }
}

TEST(RequestReader, FcGivesOmegaWithTheExtendedTwoPi) {
    FieldTexts fields;
    fields.fc = "1000";
    const ReadResult r = read(MultipleFeedback::kStageFields, fields);
    EXPECT_EQ(r.request.Fc, 1000.0L);
    EXPECT_EQ(r.request.Omega, 1000.0L * 6.283185307179586477L);
}

TEST(RequestReader, EveryUnreadableFieldIsReportedInFieldOrderAndReadAsZero) {
    FieldTexts fields{"abc", {"x1", "x2", "x3", "x4"}, {"y1", "y2", "y3", "y4"}};
    struct Case {
        const StageFields& stageFields;
        const char* first;
        const char* second;
    };
    for (const Case& c :
         {Case{MultipleFeedback::kStageFields, "Cannot convert RX.", "Cannot convert C2."},
          Case{SallenKey::kStageFields, "Cannot convert RX.", "Cannot convert C2."},
          Case{Passive::kStageFields, "Cannot convert L.", "Cannot convert C."}}) {
        const ReadResult r = read(c.stageFields, fields);
        std::vector<std::string> expected{"Cannot convert fc."};
        for (int i = 0; i < 4; ++i) {
            expected.emplace_back(c.first);
            expected.emplace_back(c.second);
        }
        EXPECT_EQ(r.messages, expected);
        EXPECT_EQ(r.request.Fc, 0.0L);
        for (Extended v : r.request.GivenCapacitance) {
            EXPECT_EQ(v, 0.0L);
        }
    }
}

TEST(RequestReader, StagesLeftAtZeroOrUnreadableTakeStageZero) {
    FieldTexts fields{"1000", {"10000", "0", "x", "4700"}, {"1e-8", "2.2e-9", "0", "  "}};
    const ReadResult r = read(SallenKey::kStageFields, fields);
    EXPECT_EQ(r.messages, (std::vector<std::string>{"Cannot convert RX.", "Cannot convert C2."}));
    EXPECT_EQ(r.request.GivenResistance, (std::array<Extended, 4>{10000, 10000, 10000, 4700}));
    EXPECT_EQ(r.request.GivenCapacitance, (std::array<Extended, 4>{1e-8L, 2.2e-9L, 1e-8L, 1e-8L}));
}

TEST(RequestReader, StageZeroIsNeverSubstituted) {
    FieldTexts fields{"1000", {"0", "0", "0", "0"}, {"0", "5", "0", "0"}};
    const ReadResult r = read(MultipleFeedback::kStageFields, fields);
    EXPECT_EQ(r.request.GivenResistance, (std::array<Extended, 4>{0, 0, 0, 0}));
    EXPECT_EQ(r.request.GivenCapacitance, (std::array<Extended, 4>{0, 5, 0, 0}));
}

TEST(RequestReader, EachTabWritesItsOwnArrays) {
    FieldTexts fields{"50", {"1", "2", "3", "4"}, {"5", "6", "7", "8"}};
    const ReadResult passive = read(Passive::kStageFields, fields);
    EXPECT_EQ(passive.request.GivenInductance, (std::array<Extended, 4>{1, 2, 3, 4}));
    EXPECT_EQ(passive.request.GivenCapacitance, (std::array<Extended, 4>{5, 6, 7, 8}));
    EXPECT_EQ(passive.request.GivenResistance, (std::array<Extended, 4>{7, 7, 7, 7}));

    const ReadResult active = read(MultipleFeedback::kStageFields, fields);
    EXPECT_EQ(active.request.GivenResistance, (std::array<Extended, 4>{1, 2, 3, 4}));
    EXPECT_EQ(active.request.GivenInductance, (std::array<Extended, 4>{7, 7, 7, 7}));
}

TEST(RequestReader, NegativeAndHugeValuesPassUnchecked) {
    FieldTexts fields{"-1000", {"-1e4000", "0", "0", "0"}, {"1e-4940", "0", "0", "0"}};
    const ReadResult r = read(MultipleFeedback::kStageFields, fields);
    EXPECT_TRUE(r.messages.empty());
    EXPECT_EQ(r.request.Fc, -1000.0L);
    EXPECT_EQ(r.request.GivenResistance[3], -1e4000L);
    EXPECT_GT(r.request.GivenCapacitance[0], 0.0L);
}

TEST(RequestReader, UsesTheLocaleSeparatorItIsGiven) {
    FieldTexts fields{"1,5e3", {"10000", "0", "0", "0"}, {"0,5", "0", "0", "0"}};
    const ReadResult comma = read(Passive::kStageFields, fields, ",");
    EXPECT_TRUE(comma.messages.empty());
    EXPECT_EQ(comma.request.Fc, 1500.0L);
    EXPECT_EQ(comma.request.GivenCapacitance[0], 0.5L);
    const ReadResult stop = read(Passive::kStageFields, fields, ".");
    EXPECT_EQ(stop.messages, (std::vector<std::string>{"Cannot convert fc.", "Cannot convert C."}));
}

TEST(RequestReader, AnFcBeyondTheRangeOfOmegaIsAnOverflow) {
    FieldTexts fields{"1e4932", {}, {}};
    DesignRequest request;
    RecordingMessages messages;
    EXPECT_THROW(readRequest(Passive::kStageFields, fields, ".", request, messages), EOverflow);
    EXPECT_THROW(readRequest(Passive::kStageFields, fields, ".", request, messages), EOverflow);
}

}  // namespace
}  // namespace tessaron
