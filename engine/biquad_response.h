#pragma once

#include "mathlib/math_lib.h"

namespace tessaron {

// H(s) = K / (s^2 + b1 s + b0), the active stages' response.
struct BiquadCoefficients {
    Extended K;
    Extended b1;
    Extended b0;
};

inline void evaluateBiquad(TMathLib& math, const BiquadCoefficients& c, const Complex& s,
                           Complex& h) {
    Complex s2;
    Complex t;
    math.FxCsqr(s, s2);
    math.FxCmul(s, Complex{c.b1, 0}, t);
    math.FxCadd(t, s2, t);
    math.FxCadd(t, Complex{c.b0, 0}, t);
    math.FxCdiv(Complex{c.K, 0}, t, h);
}

}  // namespace tessaron
