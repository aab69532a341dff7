// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/nodal_analysis.h"

#include <Eigen/Dense>
#include <algorithm>
#include <cmath>
#include <complex>
#include <limits>
#include <numbers>
#include <vector>

namespace tessaron {
namespace {

using DoubleComplex = std::complex<double>;

// (G + s C) x = -(g + s c): the source's node is known, V = 1, so its
// column (g in G, c in C) moves to the right-hand side and its own row
// (whatever current the source gives) goes. `output` is the output's unknown.
struct NodalSystem {
    Eigen::MatrixXd G;
    Eigen::MatrixXd C;
    Eigen::VectorXd g;
    Eigen::VectorXd c;
    Eigen::Index output = 0;
};

class Stamper {
  public:
    Stamper(const CascadeCircuit& circuit, NodalSystem& system)
        : system_(system), unknowns_(circuit.nodes.size(), -1) {
        Eigen::Index n = 0;
        for (std::size_t node = 1; node < circuit.nodes.size(); ++node) {
            if (static_cast<int>(node) != circuit.source) {
                unknowns_[node] = n++;
            }
        }
        n += static_cast<Eigen::Index>(circuit.opAmps.size());
        for (const CircuitElement& e : circuit.elements) {
            n += e.kind == PartKind::Inductor ? 1 : 0;
        }
        system_.G = Eigen::MatrixXd::Zero(n, n);
        system_.C = Eigen::MatrixXd::Zero(n, n);
        system_.g = Eigen::VectorXd::Zero(n);
        system_.c = Eigen::VectorXd::Zero(n);
        next_ = static_cast<Eigen::Index>(circuit.nodes.size()) - 2;
        source_ = circuit.source;
    }

    // The unknown of a node; -1 for ground and the source.
    Eigen::Index at(int node) const { return unknowns_[static_cast<std::size_t>(node)]; }

    // y between two nodes, conductance or capacitance.
    void admittance(bool capacitance, int from, int to, double y) {
        add(capacitance, at(from), from, y);
        add(capacitance, at(to), to, y);
        add(capacitance, at(from), to, -y);
        add(capacitance, at(to), from, -y);
    }

    // A new current unknown leaving node `from` and entering `to`.
    Eigen::Index branch(int from, int to) {
        const Eigen::Index j = next_++;
        add(false, at(from), j, 1);
        add(false, at(to), j, -1);
        return j;
    }

    // Adds v in `row` at the column of `node`; the source's column is the
    // right-hand side's.
    void add(bool capacitance, Eigen::Index row, int node, double v) {
        if (row < 0) {
            return;
        }
        if (node == source_) {
            (capacitance ? system_.c : system_.g)(row) += v;
        } else if (at(node) >= 0) {
            (capacitance ? system_.C : system_.G)(row, at(node)) += v;
        }
    }

    // Adds v in `row` at the column of the current unknown j.
    void add(bool capacitance, Eigen::Index row, Eigen::Index j, double v) {
        if (row >= 0) {
            (capacitance ? system_.C : system_.G)(row, j) += v;
        }
    }

  private:
    NodalSystem& system_;
    std::vector<Eigen::Index> unknowns_;
    Eigen::Index next_ = 0;
    int source_ = 0;
};

NodalSystem nodalSystem(const CascadeCircuit& circuit, const OpAmpModel& opAmp) {
    NodalSystem s;
    Stamper stamp(circuit, s);
    for (const CircuitElement& e : circuit.elements) {
        switch (e.kind) {
            case PartKind::Resistor:
                stamp.admittance(false, e.from, e.to, 1 / e.value);
                break;
            case PartKind::Capacitor:
                stamp.admittance(true, e.from, e.to, e.value);
                break;
            case PartKind::Inductor: {
                // V(from) - V(to) - s L I = 0.
                const Eigen::Index j = stamp.branch(e.from, e.to);
                stamp.add(false, j, e.from, 1);
                stamp.add(false, j, e.to, -1);
                stamp.add(true, j, j, -e.value);
                break;
            }
        }
    }
    for (const CircuitOpAmp& a : circuit.opAmps) {
        const Eigen::Index j = stamp.branch(0, a.output);
        stamp.add(false, j, a.nonInverting, 1);
        stamp.add(false, j, a.inverting, -1);
        if (!opAmp.ideal()) {
            stamp.add(false, j, a.output, -1 / opAmp.dcGain());
            stamp.add(true, j, a.output, -1 / (2 * std::numbers::pi * opAmp.gbwHz));
            const double cin = opAmp.inputCapacitance();
            stamp.admittance(true, a.nonInverting, 0, cin);
            stamp.admittance(true, a.inverting, 0, cin);
        }
    }
    s.output = stamp.at(circuit.output);
    return s;
}

// Neither det(G + s C) nor Cramer's numerator has a higher degree than the
// number of rows in which s appears.
int degreeBound(const NodalSystem& s) {
    int rows = 0;
    for (Eigen::Index r = 0; r < s.C.rows(); ++r) {
        rows += s.C.row(r).cwiseAbs().maxCoeff() > 0 || s.c(r) != 0 ? 1 : 0;
    }
    return rows;
}

// The polynomial of degree < count whose values at the count-th roots of
// unity w^k are `values`, by the inverse discrete Fourier transform; real,
// since the values at conjugate points are conjugate. Trimmed of leading
// coefficients no larger than rounding leaves of the largest.
std::vector<double> interpolated(const std::vector<DoubleComplex>& values,
                                 const std::vector<DoubleComplex>& w) {
    const std::size_t count = values.size();
    std::vector<double> c(count);
    for (std::size_t j = 0; j < count; ++j) {
        DoubleComplex sum = 0;
        for (std::size_t k = 0; k < count; ++k) {
            sum += values[k] * std::conj(w[(j * k) % count]);
        }
        c[j] = sum.real() / static_cast<double>(count);
    }
    double largest = 0;
    for (const double v : c) {
        largest = std::max(largest, std::fabs(v));
    }
    const double rounding =
        64 * static_cast<double>(count) * std::numeric_limits<double>::epsilon() * largest;
    while (c.size() > 1 && !(std::fabs(c.back()) > rounding)) {
        c.pop_back();
    }
    return c;
}

}  // namespace

RationalTransfer transferFunction(const CascadeCircuit& circuit, const OpAmpModel& opAmp,
                                  double scale) {
    const NodalSystem s = nodalSystem(circuit, opAmp);
    const auto count = static_cast<std::size_t>(degreeBound(s) + 1);
    std::vector<DoubleComplex> w(count);
    for (std::size_t k = 0; k < count; ++k) {
        w[k] = std::polar(
            1.0, 2 * std::numbers::pi * static_cast<double>(k) / static_cast<double>(count));
    }
    std::vector<DoubleComplex> numerator(count);
    std::vector<DoubleComplex> denominator(count);
    Eigen::PartialPivLU<Eigen::MatrixXcd> lu(s.G.rows());
    // The other half of the circle is the conjugate of this one.
    for (std::size_t k = 0; 2 * k <= count; ++k) {
        const DoubleComplex z = scale * w[k];
        lu.compute(s.G.cast<DoubleComplex>() + z * s.C.cast<DoubleComplex>());
        const DoubleComplex det = lu.determinant();
        const DoubleComplex n =
            -det * lu.solve(s.g.cast<DoubleComplex>() + z * s.c.cast<DoubleComplex>())(s.output);
        numerator[k] = n;
        denominator[k] = det;
        if (k > 0 && 2 * k < count) {
            numerator[count - k] = std::conj(n);
            denominator[count - k] = std::conj(det);
        }
    }
    return {scale, interpolated(numerator, w), interpolated(denominator, w)};
}

}  // namespace tessaron
