// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <complex>
#include <span>
#include <vector>

namespace tessaron {

// The roots of c[0] + c[1] z + ... + c[n] z^n (c[n] != 0, all finite), as the
// eigenvalues of its companion matrix (through Eigen), each refined by
// Newton's method on the polynomial itself: a companion matrix whose roots
// lie decades apart leaves the small ones with the error of the large, which
// two or three steps remove. Real roots come out real, complex ones in
// conjugate pairs, the one with the positive imaginary part first. Empty
// where the eigenvalues do not converge.
std::vector<std::complex<double>> polynomialRoots(std::span<const double> c);

}  // namespace tessaron
