// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "analysis/report.h"
#include "engine/biquad.h"
#include "engine/coefficient_tables.h"
#include "engine/design_request.h"
#include "engine/part.h"
#include "engine/topology.h"
#include "mathlib/math_lib.h"

namespace tessaron {

// Passive section: R and L in series from input to output, C from output to
// ground; H(s) = 1 / (LC s^2 + RC s + 1), each section taken as unloaded.
struct Passive {
    struct Stage {
        Extended R = 0, L = 0, C = 0;
    };
    struct Response {
        Extended LC;
        Extended CR;
    };

    static constexpr std::string_view kName = "passive";
    // What the tab's files are called, "passive-butterworth-4th-1kHz".
    static constexpr std::string_view kFileStem = "passive";
    // "L" gives the inductance that method 1 ("Fix L") fixes, "C" the capacitor
    // that method 2 ("Fix C") fixes.
    static constexpr StageFields kStageFields{{
        {&DesignRequest::GivenInductance, "Cannot convert L."},
        {&DesignRequest::GivenCapacitance, "Cannot convert C."},
    }};

    static Stage size(int method, const StageCoefficients& prototype, Extended omega,
                      Extended given);
    static StageFigures figures(const Stage& s);
    static std::array<ComponentLine, 3> componentLines(const Stage& s);
    static Response response(const Stage& s);
    template <Caller E = Caller::Any>
    static void evaluate(TMathLib& math, const Response& r, const Complex& s, Complex& h) {
        Complex s2;
        Complex a;
        Complex b;
        Complex d;
        math.FxCsqr<E>(s, s2);
        math.FxCmul<E>(Complex{r.LC, 0}, s2, a);
        math.FxCmul<E>(Complex{r.CR, 0}, s, b);
        math.FxCadd<E>(a, b, d);
        math.FxCadd<E>(d, Complex{1, 0}, d);
        math.FxCdiv<E>(Complex{1, 0}, d, h);
    }

    // The stage in double, for the studies beside the exact design: its
    // circuit (the parts as the report names them with their nodes; no
    // op-amp), their values in that order, and response() from such values.
    static constexpr int kMiddle = kFirstInnerNode;
    static constexpr std::array<std::string_view, 1> kInnerNodes = {"middle"};
    static constexpr std::array<PartSpec, 3> kParts = {{
        {"R", PartKind::Resistor, kStageInput, kMiddle},
        {"L", PartKind::Inductor, kMiddle, kStageOutput},
        {"C", PartKind::Capacitor, kStageOutput, kGround},
    }};
    static constexpr std::optional<OpAmpPins> kOpAmp = std::nullopt;
    static std::array<Extended, 3> partValues(const Stage& s) { return {s.R, s.L, s.C}; }
    static Biquad biquad(std::span<const double, 3> values);
};
static_assert(Topology<Passive>);

}  // namespace tessaron
