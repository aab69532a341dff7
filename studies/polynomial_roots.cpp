// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/polynomial_roots.h"

#include <Eigen/Eigenvalues>
#include <cmath>

namespace tessaron {
namespace {

template <class T>
struct Evaluation {
    T value;
    T slope;
};

// p(z) and p'(z) by Horner's scheme.
template <class T>
Evaluation<T> evaluate(std::span<const double> c, T z) {
    T value = c.back();
    T slope = 0;
    for (std::size_t i = c.size() - 1; i-- > 0;) {
        slope = slope * z + value;
        value = value * z + c[i];
    }
    return {value, slope};
}

// Newton's steps from z while they make |p| smaller.
template <class T>
T refined(std::span<const double> c, T z) {
    constexpr int kSteps = 4;
    Evaluation<T> at = evaluate(c, z);
    for (int step = 0; step < kSteps && at.slope != T(0); ++step) {
        const T next = z - at.value / at.slope;
        const Evaluation<T> there = evaluate(c, next);
        if (!(std::abs(there.value) < std::abs(at.value))) {
            break;
        }
        z = next;
        at = there;
    }
    return z;
}

}  // namespace

std::vector<std::complex<double>> polynomialRoots(std::span<const double> c) {
    const auto n = static_cast<Eigen::Index>(c.size()) - 1;
    if (n < 1) {
        return {};
    }
    // The monic polynomial's companion: ones below the diagonal, -c[i] / c[n]
    // in the last column.
    Eigen::MatrixXd companion = Eigen::MatrixXd::Zero(n, n);
    for (Eigen::Index i = 0; i < n; ++i) {
        if (i > 0) {
            companion(i, i - 1) = 1;
        }
        companion(i, n - 1) = -c[static_cast<std::size_t>(i)] / c.back();
    }
    const Eigen::EigenSolver<Eigen::MatrixXd> solver(companion, false);
    if (solver.info() != Eigen::Success) {
        return {};
    }
    const Eigen::VectorXcd& eigenvalues = solver.eigenvalues();
    std::vector<std::complex<double>> roots;
    roots.reserve(static_cast<std::size_t>(n));
    for (Eigen::Index i = 0; i < n; ++i) {
        const std::complex<double> z = eigenvalues(i);
        if (z.imag() == 0) {
            roots.emplace_back(refined(c, z.real()), 0);
        } else if (z.imag() > 0) {
            const std::complex<double> r = refined(c, z);
            roots.push_back(r);
            roots.push_back(std::conj(r));
        }
    }
    return roots;
}

}  // namespace tessaron
