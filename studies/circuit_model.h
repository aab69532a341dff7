// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <complex>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "engine/topologies.h"
#include "studies/biquad_figures.h"
#include "studies/cascade_circuit.h"
#include "studies/cascade_response.h"
#include "studies/opamp_model.h"

namespace tessaron {

// How a design's circuit is modelled. The default is the design's own
// assumption, the curves the program has always shown: ideal op-amps, and
// passive sections taken one by one as if each were buffered.
struct CircuitModel {
    OpAmpModel opAmp;
    // Sections whose output no op-amp drives (the passive ones) connected
    // directly, each loading the one before.
    bool loadedSections = false;
    Termination termination;  // applies to the cascade as connected

    bool asDesigned() const {
        return opAmp.ideal() && !loadedSections && !termination.hasSource() &&
               !termination.hasLoad();
    }
};

// Why the model cannot be used, in words, or nothing: the op-amp's fields
// (modelProblem), and a source resistance finite and not negative, a load
// resistance above 0 (infinite for none).
std::optional<std::string> circuitModelProblem(const CircuitModel& model);

// The cascade of a design's part values (every stage's, in the order of
// partSpecs) under the model, as factors of its poles. It splits where a
// stage's output is an op-amp's, or between passive sections taken as
// buffered; a piece that is one stage with an ideal op-amp (or none) and no
// termination is the topology's own biquad (T::biquad), so the default model
// gives exactly factorBiquads(cascadeBiquads(...)). Any other piece is solved
// as a circuit (transferFunction, polynomialRoots). NotLowPass where a part
// is not positive and finite, a piece has zeros or a pole is not in the left
// half-plane; BadModel where circuitModelProblem says so.
FactoredCascade modelledCascade(TopologyKind topology, std::span<const double> values,
                                const CircuitModel& model);

// Its gain and phase, as cascadeResponse gives them.
CascadeResponse modelledResponse(TopologyKind topology, std::span<const double> values,
                                 const CircuitModel& model, std::span<const double> frequencies);

// The poles of one stage alone with the op-amp (rad/s): two for an ideal
// op-amp, three or more for a real one. Empty where the stage cannot be solved.
std::vector<std::complex<double>> stagePoles(TopologyKind topology,
                                             std::span<const double> stageValues,
                                             const OpAmpModel& opAmp);

// The stage's fn and Q with the op-amp: those of the two poles (a complex
// pair, or two real poles) nearest to the poles of the ideal stage, fn =
// sqrt(p q) / 2pi and Q = sqrt(p q) / -(p + q), which for a pair is
// |p| / 2pi and |p| / (2 |Re p|). The ideal op-amp gives figuresOf(T::biquad).
// Empty where the stage or the model cannot be used, or the pair is not in
// the left half-plane.
std::optional<BiquadFigures> stageFigures(TopologyKind topology,
                                          std::span<const double> stageValues,
                                          const OpAmpModel& opAmp);

}  // namespace tessaron
