// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "analysis/report.h"
#include "engine/biquad.h"
#include "engine/biquad_response.h"
#include "engine/coefficient_tables.h"
#include "engine/design_request.h"
#include "engine/part.h"
#include "engine/topology.h"

namespace tessaron {

// Inverting multiple-feedback stage: R1 input to node A, C1 node A to ground,
// R3 node A to output, R2 node A to the inverting input, C2 inverting input to
// output. Both methods make R3 = R1, so every stage has unit pass-band gain.
struct MultipleFeedback {
    struct Stage {
        Extended R1 = 0, R2 = 0, R3 = 0, C1 = 0, C2 = 0;
    };
    using Response = BiquadCoefficients;

    static constexpr std::string_view kName = "multiple-feedback";
    // What the tab's files are called, "mfb-butterworth-4th-1kHz".
    static constexpr std::string_view kFileStem = "mfb";
    // "R1, R2, R3" gives the resistance Rx that method 1 ("Fix Rx") fixes,
    // "C2" the capacitor that method 2 ("Fix C2") fixes.
    static constexpr StageFields kStageFields{{
        {&DesignRequest::GivenResistance, "Cannot convert RX."},
        {&DesignRequest::GivenCapacitance, "Cannot convert C2."},
    }};

    static Stage size(int method, const StageCoefficients& prototype, Extended omega,
                      Extended given);
    static StageFigures figures(const Stage& s);
    static std::array<ComponentLine, 5> componentLines(const Stage& s);
    static Response response(const Stage& s);
    template <Caller E = Caller::Any>
    static void evaluate(TMathLib& math, const Response& r, const Complex& s, Complex& h) {
        evaluateBiquad<E>(math, r, s, h);
    }

    // The stage in double, for the studies beside the exact design: its
    // circuit (the parts as the report names them with their nodes, and the
    // op-amp's pins), their values in that order, and response() from such
    // values. Node A joins R1, R2, R3 and C1; the inverting input is "minus".
    static constexpr int kA = kFirstInnerNode;
    static constexpr int kMinus = kFirstInnerNode + 1;
    static constexpr std::array<std::string_view, 2> kInnerNodes = {"A", "minus"};
    static constexpr std::array<PartSpec, 5> kParts = {{
        {"R1", PartKind::Resistor, kStageInput, kA},
        {"R2", PartKind::Resistor, kA, kMinus},
        {"R3", PartKind::Resistor, kA, kStageOutput},
        {"C1", PartKind::Capacitor, kA, kGround},
        {"C2", PartKind::Capacitor, kMinus, kStageOutput},
    }};
    static constexpr std::optional<OpAmpPins> kOpAmp = OpAmpPins{kGround, kMinus, kStageOutput};
    static std::array<Extended, 5> partValues(const Stage& s) {
        return {s.R1, s.R2, s.R3, s.C1, s.C2};
    }
    static Biquad biquad(std::span<const double, 5> values);
};
static_assert(Topology<MultipleFeedback>);

}  // namespace tessaron
