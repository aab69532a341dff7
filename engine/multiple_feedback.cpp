// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/multiple_feedback.h"

#include "engine/stage_math.h"

namespace tessaron {

MultipleFeedback::Stage MultipleFeedback::size(int method, const StageCoefficients& prototype,
                                               Extended omega, Extended given) {
    const Extended Q = prototype.Q;
    const Extended k = prototype.FrequencyFactor;
    Stage s;
    if (method == 1) {
        // Equal resistors; C1/C2 = 9 Q^2 sets the Q.
        const Extended Rx = given;
        s.R1 = Rx;
        s.R2 = Rx;
        s.R3 = Rx;
        const Extended T = formula(1 / ((omega * k) * Rx));
        s.C1 = formula((Q * 3) * T);
        s.C2 = formula(T / (Q * 3));
    } else {
        // C1 = 8 Q^2 C2 makes R2 = R1 / 2 and needs no square root.
        s.C2 = given;
        const Extended X = formula(1 / ((omega * k) * s.C2));
        const Extended Q2 = formula(Q * Q);
        s.C1 = formula(((Q2 * 4) * 2) * s.C2);
        s.R1 = formula(X / (Q * 2));
        s.R2 = formula(X / ((Q * 2) * 2));
        s.R3 = s.R1;
    }
    return s;
}

StageFigures MultipleFeedback::figures(const Stage& s) {
    const Extended fs = formula(x87::sqrt(1 / (((s.R2 * s.R3) * s.C1) * s.C2)) / kTwoPi);
    const Extended qs =
        formula(x87::sqrt(s.C1 / s.C2) / (x87::sqrt(s.R3 * s.R2) / s.R1 +
                                          (x87::sqrt(s.R2 / s.R3) + x87::sqrt(s.R3 / s.R2))));
    return {fs, qs};
}

std::array<ComponentLine, 5> MultipleFeedback::componentLines(const Stage& s) {
    return {{{"  R1 := ", s.R1, " (ohm)"},
             {"  R2 := ", s.R2, " (ohm)"},
             {"  R3 := ", s.R3, " (ohm)"},
             {"  C1 := ", s.C1, " (F)"},
             {"  C2 := ", s.C2, " (F)"}}};
}

MultipleFeedback::Response MultipleFeedback::response(const Stage& s) {
    Response r;
    r.K = formula(-1 / (((s.R1 * s.R2) * s.C1) * s.C2));
    r.b1 = formula((1 / s.C1) * ((1 / s.R1 + 1 / s.R2) + 1 / s.R3));
    r.b0 = formula(1 / (((s.R2 * s.R3) * s.C1) * s.C2));
    return r;
}

Biquad MultipleFeedback::biquad(std::span<const double, 5> v) {
    const double R1 = v[0], R2 = v[1], R3 = v[2], C1 = v[3], C2 = v[4];
    return {-1 / (((R1 * R2) * C1) * C2), (1 / C1) * ((1 / R1 + 1 / R2) + 1 / R3),
            1 / (((R2 * R3) * C1) * C2)};
}

}  // namespace tessaron
