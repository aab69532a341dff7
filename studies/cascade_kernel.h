// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <array>
#include <numbers>
#include <optional>
#include <span>
#include <type_traits>
#include <vector>

#include "studies/cascade_response.h"
#include "studies/fast_angle.h"

namespace tessaron::detail {

// A cascade checked for evaluation: every factor (see DenominatorFactor) with
// a >= 0 and b > 0, all finite, so that the cascade stays within the range of
// double from pF to EOhm where a polynomial in s alone would not.
struct NormalizedCascade {
    std::vector<DenominatorFactor> factors;
    double dcPower = 1;  // |H(0)|^2
    double dcPhase = 0;  // arg H(0): pi for a negative DC gain
};

// Empty unless every factor has both poles in the left half-plane and the DC
// gain is finite and not zero.
std::optional<NormalizedCascade> normalize(const FactoredCascade& cascade);

struct PointResponse {
    double power;  // |H|^2
    double phase;  // arg H in rad, unwrapped: dcPhase at f = 0, falling with f
};

// The product of the factors D_i = (1 - a_i f^2) + j b_i f and the whole
// turns its angle has made. Each D_i has an angle in [0, pi), so
// multiplying by it turns the running product forward by less than pi: the
// product has passed a whole turn exactly when its imaginary part goes from
// negative to non-negative, which unwraps the phase without an angle per stage.
//
// Factor count known at compile time (see forEachPoint) or, with Count = 0,
// at run time: a loop over points then unrolls the factors and vectorises. Always inlined,
// so that each compiled copy of a loop (see forEachPoint) has its own.
struct Denominator {
    double re;
    double im;
    double turns;
};

template <int Count>
[[gnu::always_inline]] inline Denominator denominatorAt(const double* a, const double* b, int count,
                                                        double f) {
    const int n = Count > 0 ? Count : count;
    const double f2 = f * f;
    Denominator d{1 - a[0] * f2, b[0] * f, 0};
    for (int i = 1; i < n; ++i) {
        const double dr = 1 - a[i] * f2;
        const double di = b[i] * f;
        const double re = d.re * dr - d.im * di;
        const double im = d.re * di + d.im * dr;
        d.turns += (d.im < 0) & (im >= 0) ? 1.0 : 0.0;
        d.re = re;
        d.im = im;
    }
    return d;
}

template <int Count>
[[gnu::always_inline]] inline PointResponse evaluatePoint(const double* a, const double* b,
                                                          int count, double dcPower, double dcPhase,
                                                          double f) {
    const Denominator d = denominatorAt<Count>(a, b, count, f);
    const double power = dcPower / (d.re * d.re + d.im * d.im);
    const double phase = dcPhase - (2 * std::numbers::pi * d.turns + angleOf(d.re, d.im));
    return {power, phase};
}

// The lowest frequency at which |H|^2 has fallen to half of |H(0)|^2, between
// the first of `frequencies` (ascending, finite, >= 0) where it has and the
// one before it or 0 Hz, to the resolution of double; cascade not empty.
std::optional<double> halfPowerFrequency(const NormalizedCascade& cascade,
                                         std::span<const double> frequencies);

// The checks of cascadeResponse and its points before they are turned into
// the charts' units: |H|^2 into `power` and the unwrapped phase in rad into
// `phase`, one per frequency. `normalized` is set when None is returned.
ResponseFault evaluateCascade(const FactoredCascade& cascade, std::span<const double> frequencies,
                              NormalizedCascade& normalized, std::span<double> power,
                              std::span<double> phase);

// Visits every point with the factors as plain doubles in arrays of its own:
// they cannot alias what visit writes, so the loop keeps them in registers.
// Count > 0 unrolls the factors; 0 takes any number.
template <int Count, class Visit>
[[gnu::always_inline]] inline void visitPoints(const NormalizedCascade& cascade,
                                               std::span<const double> frequencies, Visit& visit) {
    using Values = std::conditional_t<(Count > 0), std::array<double, Count>, std::vector<double>>;
    Values a{};
    Values b{};
    if constexpr (Count == 0) {
        a.resize(cascade.factors.size());
        b.resize(cascade.factors.size());
    }
    for (std::size_t i = 0; i < cascade.factors.size(); ++i) {
        a[i] = cascade.factors[i].a;
        b[i] = cascade.factors[i].b;
    }
    const double dcPower = cascade.dcPower;
    const double dcPhase = cascade.dcPhase;
    const double* f = frequencies.data();
    const auto points = static_cast<int>(frequencies.size());
    const auto count = static_cast<int>(cascade.factors.size());
    for (int p = 0; p < points; ++p) {
        visit(p, evaluatePoint<Count>(a.data(), b.data(), count, dcPower, dcPhase, f[p]));
    }
}

// For the functions that hold a loop of forEachPoint: compiled twice, for the
// x86-64 baseline (two doubles a vector) and for AVX2 (four), the processor's
// own picked at load time. The same operations in the same order (no fused
// multiply-add: neither target has one), so the same bits either way.
#define TESSARON_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))

// Calls visit(point, response) for every frequency; the factor counts of the
// designs are unrolled: 1, 2 and 4 stages of biquads, and with a real op-amp
// a complex pair per stage and its op-amp's real poles paired up (2, 3 and 6).
template <class Visit>
[[gnu::always_inline]] inline void forEachPoint(const NormalizedCascade& cascade,
                                                std::span<const double> frequencies,
                                                Visit&& visit) {
    switch (cascade.factors.size()) {
        case 1:
            return visitPoints<1>(cascade, frequencies, visit);
        case 2:
            return visitPoints<2>(cascade, frequencies, visit);
        case 3:
            return visitPoints<3>(cascade, frequencies, visit);
        case 4:
            return visitPoints<4>(cascade, frequencies, visit);
        case 6:
            return visitPoints<6>(cascade, frequencies, visit);
        default:
            return visitPoints<0>(cascade, frequencies, visit);
    }
}

}  // namespace tessaron::detail
