// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/termination_fields.h"

#include <gtest/gtest.h>

#include <limits>

namespace tessaron {
namespace {

TEST(TerminationFields, ReadTheirTextOrSayWhyNot) {
    constexpr double kOpen = std::numeric_limits<double>::infinity();
    const auto source = readSourceResistanceField;
    const auto load = readLoadResistanceField;
    const struct {
        FieldReading (*read)(std::string_view, std::string_view);
        const char* text;
        std::optional<double> value;
        const char* problem;
    } cases[] = {
        {source, "4.7k", 4.7e3, ""},
        {source, "600 Ω", 600.0, ""},
        {source, "-50", std::nullopt, "The source resistance cannot be negative."},
        {source, "1e400", std::nullopt, "The source resistance must be finite."},
        {load, " Open ", kOpen, ""},
        {load, "", kOpen, ""},
        {load, "0", std::nullopt, "The load resistance must be above 0 Ω; \"open\" is no load."},
        {load, "shorted", std::nullopt,
         "The load resistance is not a number; \"open\" is no load."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const FieldReading r = c.read(c.text, ".");
        EXPECT_EQ(r.value, c.value);
        EXPECT_EQ(r.problem, c.problem);
    }
}

}  // namespace
}  // namespace tessaron
