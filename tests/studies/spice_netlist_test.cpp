// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/spice_netlist.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace tessaron
