// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/tolerance_band.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <limits>
#include <random>
#include <thread>

#include "mathlib/fp_guard.h"
#include "studies/cascade_kernel.h"

namespace tessaron {
namespace {

// Takes one trial's |H|^2 and phase into the extremes at each point.
TESSARON_VECTOR_CLONES void widen(const detail::NormalizedCascade& cascade,
                                  std::span<const double> frequencies, double* powerLow,
                                  double* powerHigh, double* phaseLow, double* phaseHigh) {
    detail::forEachPoint(cascade, frequencies, [=](int p, detail::PointResponse r) {
        powerLow[p] = r.power < powerLow[p] ? r.power : powerLow[p];
        powerHigh[p] = r.power > powerHigh[p] ? r.power : powerHigh[p];
        phaseLow[p] = r.phase < phaseLow[p] ? r.phase : phaseLow[p];
        phaseHigh[p] = r.phase > phaseHigh[p] ? r.phase : phaseHigh[p];
    });
}

// Minimum and maximum of |H|^2 and of the unwrapped phase (rad) at each
// point, and of the -3 dB frequency, over the trials one thread has run.
class Extremes {
  public:
    explicit Extremes(std::size_t points)
        : powerLow_(points, std::numeric_limits<double>::infinity()),
          powerHigh_(points, -std::numeric_limits<double>::infinity()),
          phaseLow_(points, std::numeric_limits<double>::infinity()),
          phaseHigh_(points, -std::numeric_limits<double>::infinity()) {}

    void add(const detail::NormalizedCascade& cascade, std::span<const double> frequencies) {
        widen(cascade, frequencies, powerLow_.data(), powerHigh_.data(), phaseLow_.data(),
              phaseHigh_.data());
        if (const auto cutoff = detail::halfPowerFrequency(cascade, frequencies)) {
            cutoffLow_ = std::min(cutoffLow_, *cutoff);
            cutoffHigh_ = std::max(cutoffHigh_, *cutoff);
        }
        ++trials_;
    }

    void merge(const Extremes& other) {
        for (std::size_t p = 0; p < powerLow_.size(); ++p) {
            powerLow_[p] = std::min(powerLow_[p], other.powerLow_[p]);
            powerHigh_[p] = std::max(powerHigh_[p], other.powerHigh_[p]);
            phaseLow_[p] = std::min(phaseLow_[p], other.phaseLow_[p]);
            phaseHigh_[p] = std::max(phaseHigh_[p], other.phaseHigh_[p]);
        }
        cutoffLow_ = std::min(cutoffLow_, other.cutoffLow_);
        cutoffHigh_ = std::max(cutoffHigh_, other.cutoffHigh_);
        trials_ += other.trials_;
    }

    // The band in the charts' units around the nominal curve. Trial 0 makes the
    // phase edges hold it (scaling and shifting are monotonic); the gain edges
    // are clamped to it as well, since log10 is not promised to be monotonic
    // to the last bit.
    ToleranceBand band(std::span<const double> nominalPower,
                       std::span<const double> nominalPhase) const {
        constexpr double kDegreesPerRadian = 180 / std::numbers::pi;
        ToleranceBand band;
        const std::size_t points = powerLow_.size();
        band.gainLowDb.resize(points);
        band.gainHighDb.resize(points);
        band.phaseLowDeg.resize(points);
        band.phaseHighDeg.resize(points);
        for (std::size_t p = 0; p < points; ++p) {
            const double nominalDb = 10 * std::log10(nominalPower[p]);
            band.gainLowDb[p] = std::min(10 * std::log10(powerLow_[p]), nominalDb);
            band.gainHighDb[p] = std::max(10 * std::log10(powerHigh_[p]), nominalDb);
            const double shift = displayedPhase(nominalPhase[p]).shift;
            band.phaseLowDeg[p] = phaseLow_[p] * kDegreesPerRadian + shift;
            band.phaseHighDeg[p] = phaseHigh_[p] * kDegreesPerRadian + shift;
        }
        if (cutoffLow_ <= cutoffHigh_) {
            band.lowestCutoff = cutoffLow_;
            band.highestCutoff = cutoffHigh_;
        }
        band.trials = trials_;
        return band;
    }

  private:
    std::vector<double> powerLow_;
    std::vector<double> powerHigh_;
    std::vector<double> phaseLow_;
    std::vector<double> phaseHigh_;
    double cutoffLow_ = std::numeric_limits<double>::infinity();
    double cutoffHigh_ = -std::numeric_limits<double>::infinity();
    int trials_ = 0;
};

// x uniform in [0, 1): the top 53 bits of the engine's output, scaled exactly.
double unitInterval(std::mt19937_64& engine) {
    return static_cast<double>(engine() >> 11) * 0x1p-53;
}

std::vector<double> drawTrial(const BandCircuit& circuit, std::uint64_t seed, int trial) {
    const auto t = static_cast<std::uint64_t>(trial);
    std::seed_seq sequence{static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32),
                           static_cast<std::uint32_t>(t), static_cast<std::uint32_t>(t >> 32)};
    std::mt19937_64 engine(sequence);
    std::vector<double> values(circuit.values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        const double x = unitInterval(engine);
        values[i] = circuit.values[i] * (1 + circuit.tolerances[i] * (2 * x - 1));
    }
    return values;
}

bool usableTolerances(const BandCircuit& circuit) {
    if (circuit.tolerances.size() != circuit.values.size()) {
        return false;
    }
    return std::all_of(circuit.tolerances.begin(), circuit.tolerances.end(),
                       [](double tol) { return tol >= 0 && tol < 1; });
}

ToleranceBand faulted(BandFault fault, ResponseFault response = ResponseFault::None) {
    ToleranceBand band;
    band.fault = fault;
    band.response = response;
    return band;
}

}  // namespace

std::string_view faultText(BandFault fault) {
    switch (fault) {
        case BandFault::None:
            return "";
        case BandFault::Cancelled:
            return "the run was cancelled";
        case BandFault::BadCircuit:
            return "a tolerance is missing, negative, not below 100 % or not a number";
        case BandFault::Response:
            return "the circuit has no usable response";
    }
    return "";
}

ToleranceBand toleranceBand(const BandCircuit& circuit, std::span<const double> frequencies,
                            const BandOptions& options, std::stop_token stop) {
    fp::Guard guard;
    if (!usableTolerances(circuit)) {
        return faulted(BandFault::BadCircuit);
    }
    // Trial 0 fixes the branch of the phase and passes every check the
    // response of the circuit at its own values does.
    detail::NormalizedCascade nominal;
    std::vector<double> nominalPower(frequencies.size());
    std::vector<double> nominalPhase(frequencies.size());
    const ResponseFault response = detail::evaluateCascade(
        circuit.cascadeOf(circuit.values), frequencies, nominal, nominalPower, nominalPhase);
    if (response != ResponseFault::None) {
        return faulted(BandFault::Response, response);
    }

    const int trials = std::max(options.trials, 1);
    const int hardware = std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
    const int threads = std::clamp(options.threads > 0 ? options.threads : hardware, 1, trials);
    std::vector<Extremes> shares(static_cast<std::size_t>(threads), Extremes(frequencies.size()));
    shares[0].add(nominal, frequencies);

    // What a worker throws (no memory, say) is thrown again here, not lost.
    std::vector<std::exception_ptr> failures(static_cast<std::size_t>(threads));
    const auto runShare = [&](int share) {
        try {
            fp::Guard workerGuard;
            Extremes& extremes = shares[static_cast<std::size_t>(share)];
            for (int trial = 1 + share; trial < trials; trial += threads) {
                if (stop.stop_requested()) {
                    return;
                }
                const auto cascade =
                    detail::normalize(circuit.cascadeOf(drawTrial(circuit, options.seed, trial)));
                if (cascade) {
                    extremes.add(*cascade, frequencies);
                }
            }
        } catch (...) {
            failures[static_cast<std::size_t>(share)] = std::current_exception();
        }
    };
    {
        std::vector<std::jthread> workers;
        for (int share = 1; share < threads; ++share) {
            workers.emplace_back(runShare, share);
        }
        runShare(0);
    }
    for (const std::exception_ptr& failure : failures) {
        if (failure) {
            std::rethrow_exception(failure);
        }
    }
    if (stop.stop_requested()) {
        return faulted(BandFault::Cancelled);
    }
    for (int share = 1; share < threads; ++share) {
        shares[0].merge(shares[static_cast<std::size_t>(share)]);
    }
    ToleranceBand band = shares[0].band(nominalPower, nominalPhase);
    // A trial can leave the range of double where its own values do not.
    for (const auto* edge :
         {&band.gainLowDb, &band.gainHighDb, &band.phaseLowDeg, &band.phaseHighDeg}) {
        if (!std::all_of(edge->begin(), edge->end(), [](double v) { return std::isfinite(v); })) {
            return faulted(BandFault::Response, ResponseFault::OutOfRange);
        }
    }
    return band;
}

}  // namespace tessaron
