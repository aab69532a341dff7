// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/spice_netlist.h"

#include <gtest/gtest.h>

#include <sstream>

#include "tests/support/comma_locale.h"

namespace tessaron {
namespace {

// Butterworth order 2, multiple-feedback, 10 kOhm at 1 kHz.
const std::vector<double> kStage = {1e4, 1e4, 1e4, 3.3761872303464251e-08, 7.5026336462937636e-09};

std::string refusal(const std::vector<double>& values, const CircuitModel& model,
                    const SpiceSweep& sweep) {
    const auto netlist = spiceNetlist(kindOf<MultipleFeedback>, values, model, sweep);
    return std::holds_alternative<NetlistRefusal>(netlist)
               ? std::get<NetlistRefusal>(netlist).reason
               : "";
}

TEST(SpiceNetlist, RefusesWhatItCannotWriteAndSaysWhy) {
    const SpiceSweep sweep{10, 1e5, 10};
    CircuitModel real;
    real.opAmp = {OpAmpKind::Real, -1, 100, 0};
    std::vector<double> zero = kStage;
    zero[3] = 0;
    EXPECT_EQ(refusal({}, {}, sweep), "There is no completed design to write.");
    EXPECT_EQ(refusal(zero, {}, sweep), "C1 of Unit 0 is zero.");
    EXPECT_EQ(refusal(kStage, real, sweep), "The gain-bandwidth product must be above 0 Hz.");
    real.opAmp.gbwHz = 1e-320;
    EXPECT_EQ(refusal(kStage, real, sweep),
              "The gain-bandwidth product is too far from the DC gain to be written.");
    EXPECT_EQ(refusal(kStage, {}, {0, 1e5, 10}),
              "The frequency range is not a rising range above 0 Hz.");
    EXPECT_EQ(refusal(kStage, {}, chartSweep(std::vector<double>{10, 90001})), "");
}

// The window runs with the environment's LC_NUMERIC; a comma there would
// make the simulator read another circuit without a word.
TEST(SpiceNetlist, NumbersHaveFullStopsWhateverTheCLocale) {
    const test::CommaNumericLocale comma;
    CircuitModel real;
    real.opAmp = {OpAmpKind::Real, 1e6, 100, 5};
    const auto netlist = spiceNetlist(kindOf<MultipleFeedback>, kStage, real, {10, 1e5, 10});
    ASSERT_TRUE(std::holds_alternative<std::string>(netlist));
    const std::string& text = std::get<std::string>(netlist);
    EXPECT_NE(text.find(" 3.3761872303464251e-08\n"), std::string::npos) << text;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_TRUE(line.starts_with('*') || line.find(',') == std::string::npos) << line;
    }
}

}  // namespace
}  // namespace tessaron
