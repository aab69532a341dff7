// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/minimum_gbw.h"

#include <cmath>
#include <limits>

#include "engine/design_parts.h"
#include "mathlib/fp_guard.h"
#include "studies/circuit_model.h"

namespace tessaron {
namespace {

// The bisection stops when its bounds are this close: far closer than the
// 1e-3 to 1e-2 between neighbouring 3-digit numbers.
constexpr double kBisectionRatio = 1 + 1e-4;

// The next 3-digit number after v.
StandardValue nextThreeDigits(const StandardValue& v) {
    return v.significand == 999 ? fromDigits(100, v.exponent + 1)
                                : fromDigits(v.significand + 1, v.exponent);
}

// The lowest 3-digit number above x > 0: 100 to 999 times a power of ten.
StandardValue threeDigitsAbove(double x) {
    int exponent = static_cast<int>(std::floor(std::log10(x))) - 2;
    // log10 may land a decade off next to a power of ten.
    const double digits = x / fromDigits(1, exponent).value;
    exponent += digits >= 1000 ? 1 : digits < 100 ? -1 : 0;
    const auto below = static_cast<int>(std::floor(x / fromDigits(1, exponent).value));
    StandardValue v = nextThreeDigits(fromDigits(below, exponent));
    while (!(v.value > x)) {
        v = nextThreeDigits(v);
    }
    return v;
}

class StageCheck {
  public:
    StageCheck(TopologyKind topology, std::span<const double> values, const OpAmpModel& opAmp,
               const BiquadFigures& ideal)
        : topology_(topology), values_(values), opAmp_(opAmp), ideal_(ideal) {
        opAmp_.kind = OpAmpKind::Real;
    }

    bool within(double gbwHz) {
        opAmp_.gbwHz = gbwHz;
        const auto figures = stageFigures(topology_, values_, opAmp_);
        return figures &&
               std::fabs(figures->naturalFrequency / ideal_.naturalFrequency - 1) <=
                   kGbwTolerance &&
               std::fabs(figures->quality / ideal_.quality - 1) <= kGbwTolerance;
    }

  private:
    TopologyKind topology_;
    std::span<const double> values_;
    OpAmpModel opAmp_;
    BiquadFigures ideal_;
};

}  // namespace

std::optional<MinimumGbw> minimumGbw(TopologyKind topology, std::span<const double> stageValues,
                                     const OpAmpModel& opAmp) {
    fp::Guard guard;
    OpAmpModel model = opAmp;
    model.kind = OpAmpKind::Real;
    model.gbwHz = kHighestGbwHz;
    if (!hasOpAmp(topology) || modelProblem(model)) {
        return std::nullopt;
    }
    const auto ideal = stageFigures(topology, stageValues, OpAmpModel{});
    if (!ideal) {
        return std::nullopt;
    }
    StageCheck check(topology, stageValues, opAmp, *ideal);
    // With a modest A0 the finite gain alone can move Q by more than 1 % at
    // the highest GBW, while lower down the GBW's own shift cancels it: look
    // down in steps of 5 % for a GBW that meets the figures before giving up.
    double hi = kHighestGbwHz;
    while (!check.within(hi) && hi > ideal->naturalFrequency) {
        hi /= 1.05;
    }
    if (!check.within(hi)) {
        return MinimumGbw{};
    }
    // Below the stage's own fn an op-amp has no gain left to spare there;
    // should it meet the figures even so, look further down.
    double lo = ideal->naturalFrequency;
    while (check.within(lo) && lo > ideal->naturalFrequency * 1e-6) {
        lo /= 10;
    }
    while (hi > lo * kBisectionRatio) {
        const double middle = std::sqrt(lo * hi);
        (check.within(middle) ? hi : lo) = middle;
    }
    StandardValue candidate = threeDigitsAbove(lo);
    if (!check.within(candidate.value)) {
        candidate = nextThreeDigits(candidate);
    }
    return MinimumGbw{candidate};
}

std::vector<std::optional<MinimumGbw>> minimumGbws(TopologyKind topology,
                                                   std::span<const double> values,
                                                   const OpAmpModel& opAmp) {
    const std::size_t n = partSpecs(topology).size();
    std::vector<std::optional<MinimumGbw>> stages;
    for (std::size_t first = 0; first + n <= values.size(); first += n) {
        stages.push_back(minimumGbw(topology, values.subspan(first, n), opAmp));
    }
    return stages;
}

std::optional<int> mostDemandingStage(std::span<const std::optional<MinimumGbw>> stages) {
    std::optional<int> most;
    const auto needs = [](const MinimumGbw& m) {
        return m.hertz ? m.hertz->value : std::numeric_limits<double>::infinity();
    };
    for (std::size_t i = 0; i < stages.size(); ++i) {
        if (stages[i] &&
            (!most || needs(*stages[i]) > needs(*stages[static_cast<std::size_t>(*most)]))) {
            most = static_cast<int>(i);
        }
    }
    return most;
}

}  // namespace tessaron
