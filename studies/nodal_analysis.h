// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include "studies/cascade_circuit.h"
#include "studies/opamp_model.h"

namespace tessaron {

// A circuit's transfer function from its source to its output,
//   H(s) = N(z) / D(z),  z = s / scale,
// as real coefficients in ascending powers of z. `scale` (rad/s) is where the
// circuit's own poles lie, so that the coefficients that matter are of
// similar size; a coefficient below what rounding leaves of the largest is
// dropped, so the last one kept is the true degree's.
struct RationalTransfer {
    double scale = 1;
    std::vector<double> numerator;
    std::vector<double> denominator;
};

// By modified nodal analysis: (G + s C) x = b with a node voltage per node
// but ground and the source's (which is 1), a current through each inductor
// and each op-amp's output, and the op-amp's row
//   V+ - V- - Vout / A0 - s Vout / (2 pi GBW) = 0
// (V+ = V- for the ideal op-amp), its input capacitances in C. N and D are
// Cramer's numerator and det(G + s C), interpolated from their values on the
// circle |z| = 1 (one LU decomposition per point, through Eigen): there the
// interpolation is as well conditioned as it can be.
RationalTransfer transferFunction(const CascadeCircuit& circuit, const OpAmpModel& opAmp,
                                  double scale);

}  // namespace tessaron
