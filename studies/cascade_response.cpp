// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/cascade_response.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "mathlib/fp_guard.h"
#include "studies/cascade_kernel.h"

namespace tessaron {
namespace detail {

std::optional<NormalizedCascade> normalize(const FactoredCascade& cascade) {
    if (cascade.fault != ResponseFault::None) {
        return std::nullopt;
    }
    const bool stable =
        std::all_of(cascade.factors.begin(), cascade.factors.end(), [](DenominatorFactor d) {
            return std::isfinite(d.a) && d.a >= 0 && std::isfinite(d.b) && d.b > 0;
        });
    const double dcPower = cascade.dcGain * cascade.dcGain;
    if (!stable || !std::isfinite(dcPower) || dcPower == 0) {
        return std::nullopt;
    }
    return NormalizedCascade{cascade.factors, dcPower, cascade.dcGain < 0 ? std::numbers::pi : 0.0};
}

std::optional<double> halfPowerFrequency(const NormalizedCascade& cascade,
                                         std::span<const double> frequencies) {
    std::vector<double> a;
    std::vector<double> b;
    for (const DenominatorFactor& factor : cascade.factors) {
        a.push_back(factor.a);
        b.push_back(factor.b);
    }
    // |H|^2 / |H(0)|^2 = 1 / |D|^2.
    const auto denominatorPower = [&](double f) {
        const Denominator d = denominatorAt<0>(a.data(), b.data(), static_cast<int>(a.size()), f);
        return d.re * d.re + d.im * d.im;
    };
    double below = 0;
    for (const double f : frequencies) {
        if (denominatorPower(f) < 2) {
            below = f;
            continue;
        }
        double above = f;
        for (;;) {
            const double middle = below + (above - below) / 2;
            if (middle <= below || middle >= above) {
                return above;
            }
            (denominatorPower(middle) < 2 ? below : above) = middle;
        }
    }
    return std::nullopt;
}

namespace {

TESSARON_VECTOR_CLONES void evaluatePoints(const NormalizedCascade& cascade,
                                           std::span<const double> frequencies, double* power,
                                           double* phase) {
    forEachPoint(cascade, frequencies, [=](int p, PointResponse r) {
        power[p] = r.power;
        phase[p] = r.phase;
    });
}

bool usableFrequencies(std::span<const double> frequencies) {
    return std::all_of(frequencies.begin(), frequencies.end(),
                       [](double f) { return f >= 0 && std::isfinite(f); });
}

}  // namespace

ResponseFault evaluateCascade(const FactoredCascade& cascade, std::span<const double> frequencies,
                              NormalizedCascade& normalized, std::span<double> power,
                              std::span<double> phase) {
    if (cascade.fault != ResponseFault::None) {
        return cascade.fault;
    }
    if (cascade.factors.empty()) {
        return ResponseFault::NoStages;
    }
    if (!usableFrequencies(frequencies)) {
        return ResponseFault::BadFrequency;
    }
    auto checked = normalize(cascade);
    if (!checked) {
        return ResponseFault::NotLowPass;
    }
    evaluatePoints(*checked, frequencies, power.data(), phase.data());
    const bool inRange =
        std::all_of(power.begin(), power.end(), [](double p) { return p > 0 && std::isfinite(p); });
    if (!inRange) {
        return ResponseFault::OutOfRange;
    }
    normalized = std::move(*checked);
    return ResponseFault::None;
}

}  // namespace detail

std::string_view faultText(ResponseFault fault) {
    switch (fault) {
        case ResponseFault::None:
            return "";
        case ResponseFault::NoStages:
            return "there is no stage";
        case ResponseFault::NotLowPass:
            return "a stage is no stable low-pass";
        case ResponseFault::BadFrequency:
            return "a frequency is negative or not finite";
        case ResponseFault::OutOfRange:
            return "the gain leaves the range of double";
        case ResponseFault::BadModel:
            return "the op-amp's model or the source and load resistances cannot be used";
    }
    return "";
}

DisplayedPhase displayedPhase(double radians) {
    const double degrees = radians * (180 / std::numbers::pi);
    const double shift = -360 * std::ceil((degrees - 180) / 360);
    return {degrees + shift, shift};
}

FactoredCascade factorBiquads(std::span<const Biquad> cascade) {
    fp::Guard guard;
    if (cascade.empty()) {
        return {0, {}, ResponseFault::NoStages};
    }
    FactoredCascade factored{1, {}, ResponseFault::None};
    factored.factors.reserve(cascade.size());
    for (const Biquad& b : cascade) {
        const bool lowPass = std::isfinite(b.k) && b.k != 0 && std::isfinite(b.b0) && b.b0 > 0 &&
                             std::isfinite(b.b1) && b.b1 > 0;
        if (!lowPass) {
            return {0, {}, ResponseFault::NotLowPass};
        }
        // Through u = f / fn, as (1 - u^2) + j u / Q, so that neither b0 nor
        // b1 is squared.
        const double perHertz = 2 * std::numbers::pi / std::sqrt(b.b0);
        const double damping = b.b1 / std::sqrt(b.b0);
        factored.factors.push_back({perHertz * perHertz, damping * perHertz});
        factored.dcGain *= b.k / b.b0;
    }
    return factored;
}

CascadeResponse cascadeResponse(std::span<const Biquad> cascade,
                                std::span<const double> frequencies) {
    return cascadeResponse(factorBiquads(cascade), frequencies);
}

CascadeResponse cascadeResponse(const FactoredCascade& cascade,
                                std::span<const double> frequencies) {
    // Masks every fault on this thread while it runs and leaves no flag behind
    // for the exact path's checks to trip over.
    fp::Guard guard;
    // The points are computed into the curves and converted where they stand:
    // fresh memory is costly next to the arithmetic.
    CascadeResponse response;
    std::vector<double>& gain = response.curves.gainDb;
    std::vector<double>& phase = response.curves.phaseDeg;
    gain.resize(frequencies.size());
    phase.resize(frequencies.size());
    detail::NormalizedCascade normalized;
    const ResponseFault fault =
        detail::evaluateCascade(cascade, frequencies, normalized, gain, phase);
    if (fault != ResponseFault::None) {
        return {{}, fault};
    }
    for (std::size_t p = 0; p < frequencies.size(); ++p) {
        gain[p] = 10 * std::log10(gain[p]);
        phase[p] = displayedPhase(phase[p]).degrees;
    }
    return response;
}

std::optional<double> halfPowerFrequency(std::span<const Biquad> cascade,
                                         std::span<const double> frequencies) {
    return halfPowerFrequency(factorBiquads(cascade), frequencies);
}

std::optional<double> halfPowerFrequency(const FactoredCascade& cascade,
                                         std::span<const double> frequencies) {
    fp::Guard guard;
    const auto normalized = detail::normalize(cascade);
    if (!normalized || normalized->factors.empty() || !detail::usableFrequencies(frequencies)) {
        return std::nullopt;
    }
    return detail::halfPowerFrequency(*normalized, frequencies);
}

}  // namespace tessaron
