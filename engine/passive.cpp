// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/passive.h"

#include "engine/stage_math.h"

namespace tessaron {

Passive::Stage Passive::size(int method, const StageCoefficients& prototype, Extended omega,
                             Extended given) {
    const Extended Q = prototype.Q;
    const Extended w = formula(omega * prototype.FrequencyFactor);
    Stage s;
    if (method == 1) {
        s.L = given;
        s.C = formula(1 / ((w * w) * s.L));
    } else {
        s.C = given;
        s.L = formula(1 / ((w * w) * s.C));
    }
    // The series resistance is what gives the section its Q.
    s.R = formula(1 / ((w * Q) * s.C));
    return s;
}

StageFigures Passive::figures(const Stage& s) {
    const Extended fs = formula(1 / (x87::sqrt(s.L * s.C) * kTwoPi));
    const Extended qs = formula(x87::sqrt(s.L * s.C) / (s.C * s.R));
    return {fs, qs};
}

std::array<ComponentLine, 3> Passive::componentLines(const Stage& s) {
    return {{{"  R := ", s.R, " (ohm)"}, {"  L := ", s.L, " (H)"}, {"  C := ", s.C, " (F)"}}};
}

Passive::Response Passive::response(const Stage& s) {
    return {formula(s.L * s.C), formula(s.C * s.R)};
}

// 1 / (LC s^2 + CR s + 1) divided through by LC.
Biquad Passive::biquad(std::span<const double, 3> v) {
    const double R = v[0], L = v[1], C = v[2];
    const double LC = L * C;
    const double CR = C * R;
    return {1 / LC, CR / LC, 1 / LC};
}

}  // namespace tessaron
