// SPDX-License-Identifier: GPL-3.0-or-later

// The netlists against ngspice: each written for a design, run in batch mode
// with a control block of the test's own, and its AC output compared with
// the response the program computes for the same circuit.
#include "studies/spice_netlist.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <variant>

#include <unistd.h>

#include "studies/standard_build.h"
#include "tests/support/every_design.h"

namespace tessaron {
namespace {

namespace fs = std::filesystem;

struct Distance {
    double gainDb = 0;
    double phaseDeg = 0;
};

class SpiceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("tessaron-spice-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    // Simulates the netlist and returns the largest distance of its gain and
    // phase from the circuit's modelled response at the simulated points.
    Distance simulated(std::string netlist, TopologyKind topology, std::span<const double> values,
                       const CircuitModel& model) {
        const fs::path cir = dir_ / "design.cir";
        const fs::path out = dir_ / "design.txt";
        fs::remove(out);
        // No precision options: the AC analysis is one linear solve per
        // frequency, which no iteration tolerance touches.
        netlist.insert(netlist.rfind(".end"), ".control\nset wr_singlescale\nrun\nwrdata " +
                                                  out.string() + " v(out)\nquit 0\n.endc\n");
        std::ofstream(cir) << netlist;
        const std::string command =
            "ngspice -b " + cir.string() + " > " + (dir_ / "ngspice.log").string() + " 2>&1";
        EXPECT_EQ(std::system(command.c_str()), 0) << "ngspice failed on\n" << netlist;
        std::ifstream in(out);
        std::vector<double> f, re, im;
        for (double a, b, c; in >> a >> b >> c;) {
            f.push_back(a);
            re.push_back(b);
            im.push_back(c);
        }
        EXPECT_GT(f.size(), 30u);
        const CascadeResponse ours = modelledResponse(topology, values, model, f);
        EXPECT_EQ(ours.fault, ResponseFault::None);
        Distance worst;
        for (std::size_t p = 0; p < f.size() && ours.fault == ResponseFault::None; ++p) {
            const double gain = 10 * std::log10(re[p] * re[p] + im[p] * im[p]);
            const double phase = std::atan2(im[p], re[p]) * 180 / std::numbers::pi;
            worst.gainDb = std::max(worst.gainDb, std::fabs(gain - ours.curves.gainDb[p]));
            worst.phaseDeg = std::max(
                worst.phaseDeg, std::fabs(std::remainder(phase - ours.curves.phaseDeg[p], 360)));
        }
        return worst;
    }

    fs::path dir_;
};

// The two models a design is written with: the ideal and a real op-amp of
// 1 MHz with 5 pF inputs; a passive design without and with 50 Ohm behind
// the source and 4.7 kOhm of load.
std::vector<std::pair<const char*, CircuitModel>> modelsFor(TopologyKind topology) {
    CircuitModel first;
    CircuitModel second;
    first.loadedSections = second.loadedSections = true;
    if (topology == kindOf<Passive>) {
        second.termination = {50, 4700};
        return {{"unterminated", first}, {"terminated", second}};
    }
    second.opAmp = {OpAmpKind::Real, 1e6, kDefaultDcGainDb, 5};
    return {{"ideal op-amp", first}, {"real op-amp", second}};
}

const SpiceSweep kSweep{10, 1e5, 10};

TEST_F(SpiceTest, NgspiceAgreesWithEveryDesignExactAndStandard) {
    for (const testing::NamedDesign& d : testing::everyDesign()) {
        const StandardBuild build = chooseStandardValues(d.parts, {Series::E24, Series::E12});
        for (const auto& [valuesName, values] :
             {std::pair{"exact", d.parts.values}, {"standard", build.chosenValues}}) {
            for (const auto& [modelName, model] : modelsFor(d.parts.topology)) {
                SCOPED_TRACE(d.name + ", " + valuesName + ", " + modelName);
                const auto netlist = spiceNetlist(d.parts.topology, values, model, kSweep);
                ASSERT_TRUE(std::holds_alternative<std::string>(netlist));
                const Distance worst =
                    simulated(std::get<std::string>(netlist), d.parts.topology, values, model);
                EXPECT_LE(worst.gainDb, 1e-4);
                EXPECT_LE(worst.phaseDeg, 1e-3);
            }
        }
    }
}

// A netlist with two parts' values swapped, C1 and C2 of Unit 2: the
// comparison with the design's own response sees it.
TEST_F(SpiceTest, ASwappedPartFailsTheComparison) {
    const testing::NamedDesign d = testing::everyDesign()[8];  // multiple-feedback Chebyshev 8
    const CircuitModel model = modelsFor(d.parts.topology)[1].second;
    std::vector<double> swapped = d.parts.values;
    std::swap(swapped[2 * 5 + 3], swapped[2 * 5 + 4]);
    const auto netlist = spiceNetlist(d.parts.topology, swapped, model, kSweep);
    const Distance worst =
        simulated(std::get<std::string>(netlist), d.parts.topology, d.parts.values, model);
    EXPECT_TRUE(worst.gainDb > 1e-4 || worst.phaseDeg > 1e-3);
}

}  // namespace
}  // namespace tessaron
