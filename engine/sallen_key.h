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

// Unity-gain Sallen-Key stage: R1 input to the junction, R2 junction to the
// follower's input, C1 junction to the output, C2 follower input to ground.
// Both methods keep R1 = R2, so Q = sqrt(C1 / C2) / 2.
struct SallenKey {
    struct Stage {
        Extended R1 = 0, R2 = 0, C1 = 0, C2 = 0;
    };
    using Response = BiquadCoefficients;

    static constexpr std::string_view kName = "Sallen-Key";
    // What the tab's files are called, "sallen-key-butterworth-4th-1kHz".
    static constexpr std::string_view kFileStem = "sallen-key";
    // "R1, R2" gives the resistance Rx that method 1 ("Fix Rx") fixes, "C2" the
    // capacitor that method 2 ("Fix C2") fixes.
    static constexpr StageFields kStageFields{{
        {&DesignRequest::GivenResistance, "Cannot convert RX."},
        {&DesignRequest::GivenCapacitance, "Cannot convert C2."},
    }};

    static Stage size(int method, const StageCoefficients& prototype, Extended omega,
                      Extended given);
    static StageFigures figures(const Stage& s);
    static std::array<ComponentLine, 4> componentLines(const Stage& s);
    static Response response(const Stage& s);
    template <Caller E = Caller::Any>
    static void evaluate(TMathLib& math, const Response& r, const Complex& s, Complex& h) {
        evaluateBiquad<E>(math, r, s, h);
    }

    // The stage in double, for the studies beside the exact design: its
    // circuit (the parts as the report names them with their nodes, and the
    // op-amp's pins), their values in that order, and response() from such
    // values. The follower's output is fed back to its inverting input.
    static constexpr int kJunction = kFirstInnerNode;
    static constexpr int kPlus = kFirstInnerNode + 1;
    static constexpr std::array<std::string_view, 2> kInnerNodes = {"junction", "plus"};
    static constexpr std::array<PartSpec, 4> kParts = {{
        {"R1", PartKind::Resistor, kStageInput, kJunction},
        {"R2", PartKind::Resistor, kJunction, kPlus},
        {"C1", PartKind::Capacitor, kJunction, kStageOutput},
        {"C2", PartKind::Capacitor, kPlus, kGround},
    }};
    static constexpr std::optional<OpAmpPins> kOpAmp = OpAmpPins{kPlus, kStageOutput, kStageOutput};
    static std::array<Extended, 4> partValues(const Stage& s) { return {s.R1, s.R2, s.C1, s.C2}; }
    static Biquad biquad(std::span<const double, 4> values);
};
static_assert(Topology<SallenKey>);

}  // namespace tessaron
