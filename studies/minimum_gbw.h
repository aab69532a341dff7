// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <span>
#include <vector>

#include "engine/topologies.h"
#include "studies/opamp_model.h"
#include "studies/standard_value.h"

namespace tessaron {

// The highest GBW looked at; a stage that needs more says so instead.
inline constexpr double kHighestGbwHz = 100e9;

// How far a stage's fn and Q may move from the ideal op-amp's: 1 %.
inline constexpr double kGbwTolerance = 0.01;

// The smallest GBW at which a stage's fn and Q (stageFigures) both stay
// within kGbwTolerance of the ideal op-amp's, as 3 significant digits: the
// least such number that meets it. Empty `hertz` when not even kHighestGbwHz
// does.
struct MinimumGbw {
    std::optional<StandardValue> hertz;

    bool reachable() const { return hertz.has_value(); }
};

// Found on the model with the op-amp's A0 and input capacitance (its GBW is
// what is looked for): a bisection in log GBW down to a part in 10^4, then
// the 3-digit number just above the lower bound or the next one, checked on
// the model. Empty where the stage has no op-amp, a part or the model cannot
// be used, or the ideal stage has no fn and Q.
std::optional<MinimumGbw> minimumGbw(TopologyKind topology, std::span<const double> stageValues,
                                     const OpAmpModel& opAmp);

// Every stage's, from all stages' values one after another.
std::vector<std::optional<MinimumGbw>> minimumGbws(TopologyKind topology,
                                                   std::span<const double> values,
                                                   const OpAmpModel& opAmp);

// The stage that needs the most GBW (one that cannot reach it needs the
// most), the first of equals; empty when no stage has a minimum.
std::optional<int> mostDemandingStage(std::span<const std::optional<MinimumGbw>> stages);

}  // namespace tessaron
