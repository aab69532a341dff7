// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "mathlib/math_lib.h"

namespace tessaron {

// H(s) = K / (s^2 + b1 s + b0), the active stages' response.
struct BiquadCoefficients {
    Extended K;
    Extended b1;
    Extended b0;
};

template <Caller E = Caller::Any>
inline void evaluateBiquad(TMathLib& math, const BiquadCoefficients& c, const Complex& s,
                           Complex& h) {
    Complex s2;
    Complex t;
    math.FxCsqr<E>(s, s2);
    math.FxCmul<E>(s, Complex{c.b1, 0}, t);
    math.FxCadd<E>(t, s2, t);
    math.FxCadd<E>(t, Complex{c.b0, 0}, t);
    math.FxCdiv<E>(Complex{c.K, 0}, t, h);
}

}  // namespace tessaron
