// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/engineering_text.h"

#include <gtest/gtest.h>

#include <vector>

namespace tessaron {
namespace {

TEST(EngineeringText, SeriesValuesShowTheirOwnDigits) {
    const struct {
        StandardValue value;
        const char* unit;
        const char* text;
    } cases[] = {
        {{10, 3, 1e4}, "Ω", "10 kΩ"},        {{56, -10, 5.6e-9}, "F", "5.6 nF"},
        {{47, -4, 4.7e-3}, "H", "4.7 mH"},   {{475, 1, 4750}, "Ω", "4.75 kΩ"},
        {{100, 1, 1000}, "Ω", "1 kΩ"},       {{10, 5, 1e6}, "Ω", "1 MΩ"},
        {{10, 4, 1e5}, "Ω", "100 kΩ"},       {{33, 1, 330}, "Ω", "330 Ω"},
        {{47, -13, 4.7e-12}, "F", "4.7 pF"}, {{22, -8, 0.22e-6}, "F", "220 nF"},
        {{15, -7, 1.5e-6}, "F", "1.5 µF"},   {{10, -21, 1e-20}, "F", "10 zF"},
        {{10, 20, 1e21}, "Ω", "1 ZΩ"},       {{82, -1, 8.2}, "Ω", "8.2 Ω"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(engineeringText(c.value, c.unit), c.text);
    }
}

TEST(EngineeringText, KeptValuesShowSixDigits) {
    EXPECT_EQ(engineeringText({0, 0, 5.63928351374504e-9}, "F"), "5.63928 nF");
    EXPECT_EQ(engineeringText({0, 0, 11253.9504694406}, "Ω"), "11.254 kΩ");
    EXPECT_EQ(engineeringText({0, 0, 10000}, "Ω"), "10 kΩ");
    EXPECT_EQ(engineeringText({0, 0, 0.2533029591}, "H"), "253.303 mH");
    EXPECT_EQ(engineeringText({0, 0, 1.2e-24}, "F"), "1.2E-24 F");
    EXPECT_EQ(engineeringText({0, 0, 3.5e30}, "Ω"), "3.5E30 Ω");
}

TEST(EngineeringText, UsesTheGivenDecimalSeparator) {
    EXPECT_EQ(engineeringText({56, -10, 5.6e-9}, "F", ","), "5,6 nF");
}

}  // namespace
}  // namespace tessaron
