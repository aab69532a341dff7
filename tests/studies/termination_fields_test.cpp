// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/termination_fields.h"

#include <gtest/gtest.h>

#include <limits>

namespace tessaron {
namespace {

TEST(TerminationFields, ReadTheirTextOrSayWhyNot) {
    constexpr double kOpen = std::numeric_limits<double>::infinity();
    using Reader = FieldReading (*)(std::string_view, std::string_view);
    const struct {
        Reader read;
        const char* text;
        const char* separator;
        std::optional<double> value;
        const char* problem;
    } cases[] = {
        {readSourceResistanceField, "0", ".", 0.0, ""},
        {readSourceResistanceField, "4,7k", ",", 4.7e3, ""},
        {readSourceResistanceField, "600 Ω", ".", 600.0, ""},
        {readSourceResistanceField, "", ".", std::nullopt,
         "The source resistance is not a number."},
        {readSourceResistanceField, "-50", ".", std::nullopt,
         "The source resistance cannot be negative."},
        {readSourceResistanceField, "1e400", ".", std::nullopt,
         "The source resistance must be finite."},
        {readLoadResistanceField, "10 kΩ", ".", 10e3, ""},
        {readLoadResistanceField, " Open ", ".", kOpen, ""},
        {readLoadResistanceField, "", ".", kOpen, ""},
        {readLoadResistanceField, "0", ".", std::nullopt,
         "The load resistance must be above 0 Ω; \"open\" is no load."},
        {readLoadResistanceField, "shorted", ".", std::nullopt,
         "The load resistance is not a number; \"open\" is no load."},
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
