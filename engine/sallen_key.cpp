// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/sallen_key.h"

#include "engine/stage_math.h"

namespace tessaron {

SallenKey::Stage SallenKey::size(int method, const StageCoefficients& prototype, Extended omega,
                                 Extended given) {
    const Extended Q = prototype.Q;
    const Extended k = prototype.FrequencyFactor;
    Stage s;
    if (method == 1) {
        const Extended Rx = given;
        s.R1 = Rx;
        s.R2 = Rx;
        const Extended X = formula(1 / ((omega * k) * Rx));
        s.C1 = formula((Q * 2) * X);
        s.C2 = formula(X / (Q * 2));
    } else {
        // C1 follows from the Q alone: always 4 Q^2 C2.
        s.C2 = given;
        const Extended T = formula((Q * 2) * s.C2);
        s.C1 = formula((Q * 2) * T);
        const Extended R = formula(1 / ((omega * k) * T));
        s.R1 = R;
        s.R2 = R;
    }
    return s;
}

StageFigures SallenKey::figures(const Stage& s) {
    const Extended fs = formula(x87::sqrt(1 / (((s.R1 * s.R2) * s.C1) * s.C2)) / kTwoPi);
    const Extended qs = formula(
        1 / (x87::sqrt((s.R1 * s.C2) / (s.R2 * s.C1)) + x87::sqrt((s.R2 * s.C2) / (s.R1 * s.C1))));
    return {fs, qs};
}

std::array<ComponentLine, 4> SallenKey::componentLines(const Stage& s) {
    return {{{"  R1 := ", s.R1, " (ohm)"},
             {"  R2 := ", s.R2, " (ohm)"},
             {"  C1 := ", s.C1, " (F)"},
             {"  C2 := ", s.C2, " (F)"}}};
}

SallenKey::Response SallenKey::response(const Stage& s) {
    Response r;
    r.K = formula(1 / (((s.R1 * s.R2) * s.C1) * s.C2));
    r.b1 = formula((1 / s.C1) * (1 / s.R1 + 1 / s.R2));
    r.b0 = r.K;
    return r;
}

Biquad SallenKey::biquad(std::span<const double, 4> v) {
    const double R1 = v[0], R2 = v[1], C1 = v[2], C2 = v[3];
    const double K = 1 / (((R1 * R2) * C1) * C2);
    return {K, (1 / C1) * (1 / R1 + 1 / R2), K};
}

}  // namespace tessaron
