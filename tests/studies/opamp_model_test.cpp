// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/opamp_model.h"

#include <gtest/gtest.h>

namespace tessaron {
namespace {

// What each field says of its text: a value, or the reason beside the field.
TEST(OpAmpModel, FieldsReadTheirTextOrSayWhyNot) {
    using Reader = FieldReading (*)(std::string_view, std::string_view);
    const struct {
        Reader read;
        const char* text;
        const char* separator;
        std::optional<double> value;
        const char* problem;
    } cases[] = {
        {readGbwField, "1e6", ".", 1e6, ""},
        {readGbwField, "2,5E6", ",", 2.5e6, ""},
        {readGbwField, "10 MHz", ".", 10e6, ""},
        {readGbwField, "2.2M", ".", 2.2e6, ""},
        {readGbwField, "0", ".", std::nullopt, "The gain-bandwidth product must be above 0 Hz."},
        {readGbwField, "-1e6", ".", std::nullopt, "The gain-bandwidth product must be above 0 Hz."},
        {readGbwField, "fast", ".", std::nullopt, "The gain-bandwidth product is not a number."},
        {readGbwField, "1e400", ".", std::nullopt,
         "The gain-bandwidth product must be finite; choose the ideal op-amp instead."},
        {readDcGainField, "0", ".", 0.0, ""},
        {readDcGainField, "200", ".", 200.0, ""},
        {readDcGainField, "200.5", ".", std::nullopt, "The DC gain must lie between 0 and 200 dB."},
        {readDcGainField, "-3", ".", std::nullopt, "The DC gain must lie between 0 and 200 dB."},
        {readDcGainField, "", ".", std::nullopt, "The DC gain is not a number."},
        {readInputCapacitanceField, "4.5", ".", 4.5, ""},
        {readInputCapacitanceField, "-1", ".", std::nullopt,
         "The input capacitance cannot be negative."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const FieldReading r = c.read(c.text, c.separator);
        EXPECT_EQ(r.value, c.value);
        EXPECT_EQ(r.problem, c.problem);
    }
}

}  // namespace
}  // namespace tessaron
