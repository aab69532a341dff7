// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/circuit_model.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "mathlib/fp_guard.h"
#include "studies/design_biquads.h"
#include "studies/nodal_analysis.h"
#include "studies/polynomial_roots.h"
#include "studies/standard_value.h"

namespace tessaron {
namespace {

using DoubleComplex = std::complex<double>;

constexpr double kRadiansPerTurn = 2 * std::numbers::pi;

// Beside its constant term, a numerator coefficient this small is what the
// interpolation leaves of a constant: a zero that near would be a zero
// within a millionth of the circuit's own frequency band.
constexpr double kNumeratorRounding = 1e-9;

struct SolvedPiece {
    std::vector<DoubleComplex> poles;  // rad/s
    double dcGain = 0;
    ResponseFault fault = ResponseFault::None;
};

bool usableValues(std::span<const double> values) {
    return std::all_of(values.begin(), values.end(),
                       [](double v) { return checkPartValue(v) == ValueFault::None; });
}

// Where the piece's poles lie, to scale its polynomials by: the geometric
// mean of its stages' ideal natural frequencies (rad/s), or 0 if one has none.
double scaleOf(TopologyKind topology, std::span<const double> values, int first, int count) {
    const std::size_t n = partSpecs(topology).size();
    double logSum = 0;
    for (int stage = first; stage < first + count; ++stage) {
        const Biquad b =
            stageBiquad(topology, values.subspan(static_cast<std::size_t>(stage) * n, n));
        if (!(b.b0 > 0) || !std::isfinite(b.b0)) {
            return 0;
        }
        logSum += std::log(b.b0) / 2;
    }
    return std::exp(logSum / count);
}

SolvedPiece solve(TopologyKind topology, std::span<const double> values, int first, int count,
                  const Termination& termination, const OpAmpModel& opAmp) {
    const double scale = scaleOf(topology, values, first, count);
    if (!(scale > 0) || !std::isfinite(scale)) {
        return {{}, 0, ResponseFault::NotLowPass};
    }
    const RationalTransfer t =
        transferFunction(cascadeCircuit(topology, values, first, count, termination), opAmp, scale);
    const std::vector<double>& n = t.numerator;
    const std::vector<double>& d = t.denominator;
    const bool allPole =
        std::isfinite(n[0]) && n[0] != 0 && std::all_of(n.begin() + 1, n.end(), [&](double c) {
            return std::fabs(c) <= kNumeratorRounding * std::fabs(n[0]);
        });
    const bool finite = std::all_of(d.begin(), d.end(), [](double c) { return std::isfinite(c); });
    if (!allPole || !finite || d[0] == 0) {
        return {{}, 0, ResponseFault::NotLowPass};
    }
    std::vector<DoubleComplex> roots = polynomialRoots(d);
    if (roots.size() + 1 != d.size()) {
        return {{}, 0, ResponseFault::NotLowPass};
    }
    for (DoubleComplex& root : roots) {
        root *= scale;
        if (!(root.real() < 0) || !std::isfinite(root.real()) || !std::isfinite(root.imag())) {
            return {{}, 0, ResponseFault::NotLowPass};
        }
    }
    return {std::move(roots), n[0] / d[0], ResponseFault::None};
}

// A complex pair as one factor; the real poles are kept to be paired later.
void addPoles(std::span<const DoubleComplex> poles, std::vector<DenominatorFactor>& factors,
              std::vector<double>& realPoles) {
    for (const DoubleComplex& p : poles) {
        if (p.imag() > 0) {
            const double perHertz = kRadiansPerTurn / std::abs(p);
            const double damping = -2 * p.real() / std::abs(p);
            factors.push_back({perHertz * perHertz, damping * perHertz});
        } else if (p.imag() == 0) {
            realPoles.push_back(-p.real());
        }
    }
}

// Real poles two to a factor, each within [0, pi) like a pair's; one left
// over makes a factor of its own.
void addRealPoles(std::vector<double>& rates, std::vector<DenominatorFactor>& factors) {
    std::sort(rates.begin(), rates.end());
    std::size_t i = 0;
    for (; i + 1 < rates.size(); i += 2) {
        const double p = kRadiansPerTurn / rates[i];
        const double q = kRadiansPerTurn / rates[i + 1];
        factors.push_back({p * q, p + q});
    }
    if (i < rates.size()) {
        factors.push_back({0, kRadiansPerTurn / rates[i]});
    }
}

FactoredCascade faulted(ResponseFault fault) {
    return {0, {}, fault};
}

// The two poles nearest to the ideal stage's, as a pair whose product and
// sum are real: a complex pair, or two real poles.
std::optional<std::pair<DoubleComplex, DoubleComplex>> nearestPair(
    std::span<const DoubleComplex> poles, const Biquad& ideal) {
    const DoubleComplex root = std::sqrt(DoubleComplex(ideal.b1 * ideal.b1 / 4 - ideal.b0, 0));
    const DoubleComplex i1 = -ideal.b1 / 2 + root;
    const DoubleComplex i2 = -ideal.b1 / 2 - root;
    std::optional<std::pair<DoubleComplex, DoubleComplex>> best;
    double bestDistance = 0;
    const auto consider = [&](DoubleComplex p, DoubleComplex q) {
        const double distance =
            std::min(std::abs(p - i1) + std::abs(q - i2), std::abs(p - i2) + std::abs(q - i1));
        if (!best || distance < bestDistance) {
            best = std::pair{p, q};
            bestDistance = distance;
        }
    };
    for (std::size_t i = 0; i < poles.size(); ++i) {
        if (poles[i].imag() > 0) {
            consider(poles[i], std::conj(poles[i]));
        }
        for (std::size_t j = i + 1; j < poles.size() && poles[i].imag() == 0; ++j) {
            if (poles[j].imag() == 0) {
                consider(poles[i], poles[j]);
            }
        }
    }
    return best;
}

std::optional<BiquadFigures> usableFigures(const BiquadFigures& f) {
    const bool usable = f.naturalFrequency > 0 && std::isfinite(f.naturalFrequency) &&
                        f.quality > 0 && std::isfinite(f.quality);
    return usable ? std::optional(f) : std::nullopt;
}

}  // namespace

std::optional<std::string> circuitModelProblem(const CircuitModel& model) {
    if (auto problem = modelProblem(model.opAmp)) {
        return problem;
    }
    const Termination& t = model.termination;
    if (!(t.sourceOhms >= 0) || !std::isfinite(t.sourceOhms)) {
        return "The source resistance must be a finite number, 0 or more.";
    }
    if (!(t.loadOhms > 0)) {
        return "The load resistance must be above 0 (infinite for no load).";
    }
    return std::nullopt;
}

FactoredCascade modelledCascade(TopologyKind topology, std::span<const double> values,
                                const CircuitModel& model) {
    fp::Guard guard;
    if (model.asDesigned()) {
        return factorBiquads(cascadeBiquads(topology, values));
    }
    if (circuitModelProblem(model)) {
        return faulted(ResponseFault::BadModel);
    }
    const std::size_t n = partSpecs(topology).size();
    if (values.empty() || values.size() % n != 0) {
        return faulted(ResponseFault::NoStages);
    }
    if (!usableValues(values)) {
        return faulted(ResponseFault::NotLowPass);
    }
    const auto stages = static_cast<int>(values.size() / n);
    const bool joined = model.loadedSections && !outputDrivenByOpAmp(topology);
    const bool opAmpMatters = !model.opAmp.ideal() && hasOpAmp(topology);
    const int pieceSize = joined ? stages : 1;
    FactoredCascade cascade{1, {}, ResponseFault::None};
    std::vector<double> realPoles;
    for (int first = 0; first < stages; first += pieceSize) {
        Termination termination;
        if (first == 0) {
            termination.sourceOhms = model.termination.sourceOhms;
        }
        if (first + pieceSize == stages) {
            termination.loadOhms = model.termination.loadOhms;
        }
        if (pieceSize == 1 && !opAmpMatters && !termination.hasSource() && !termination.hasLoad()) {
            const FactoredCascade own = factorBiquads(std::vector{
                stageBiquad(topology, values.subspan(static_cast<std::size_t>(first) * n, n))});
            if (own.fault != ResponseFault::None) {
                return own;
            }
            cascade.factors.push_back(own.factors[0]);
            cascade.dcGain *= own.dcGain;
            continue;
        }
        const SolvedPiece piece =
            solve(topology, values, first, pieceSize, termination, model.opAmp);
        if (piece.fault != ResponseFault::None) {
            return faulted(piece.fault);
        }
        addPoles(piece.poles, cascade.factors, realPoles);
        cascade.dcGain *= piece.dcGain;
    }
    addRealPoles(realPoles, cascade.factors);
    return cascade;
}

CascadeResponse modelledResponse(TopologyKind topology, std::span<const double> values,
                                 const CircuitModel& model, std::span<const double> frequencies) {
    return cascadeResponse(modelledCascade(topology, values, model), frequencies);
}

std::vector<std::complex<double>> stagePoles(TopologyKind topology,
                                             std::span<const double> stageValues,
                                             const OpAmpModel& opAmp) {
    fp::Guard guard;
    if (stageValues.size() != partSpecs(topology).size() || !usableValues(stageValues) ||
        modelProblem(opAmp)) {
        return {};
    }
    return solve(topology, stageValues, 0, 1, {}, opAmp).poles;
}

std::optional<BiquadFigures> stageFigures(TopologyKind topology,
                                          std::span<const double> stageValues,
                                          const OpAmpModel& opAmp) {
    fp::Guard guard;
    if (stageValues.size() != partSpecs(topology).size() || !usableValues(stageValues)) {
        return std::nullopt;
    }
    const Biquad ideal = stageBiquad(topology, stageValues);
    if (opAmp.ideal()) {
        return usableFigures(figuresOf(ideal));
    }
    const std::vector<DoubleComplex> poles = stagePoles(topology, stageValues, opAmp);
    const auto pair = nearestPair(poles, ideal);
    if (!pair) {
        return std::nullopt;
    }
    const double product = (pair->first * pair->second).real();
    const double sum = (pair->first + pair->second).real();
    const double w0 = std::sqrt(product);
    return usableFigures({w0 / kRadiansPerTurn, w0 / -sum});
}

}  // namespace tessaron
