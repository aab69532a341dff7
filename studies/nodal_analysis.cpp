// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/nodal_analysis.h"

#include <Eigen/Dense>
#include <algorithm>
#include <cmath>
#include <complex>
#include <limits>
#include <numbers>

namespace tessaron {
namespace {

using DoubleComplex = std::complex<double>;

// G, C and b of the circuit; `output` is the output node's unknown.
struct NodalSystem {
    Eigen::MatrixXd G;
    Eigen::MatrixXd C;
    Eigen::VectorXd b;
    Eigen::Index output = 0;
};

class Stamper {
  public:
    Stamper(const CascadeCircuit& circuit, NodalSystem& system) : system_(system) {
        const auto nodes = static_cast<Eigen::Index>(circuit.nodes.size()) - 1;
        Eigen::Index branches = 1 + static_cast<Eigen::Index>(circuit.opAmps.size());
        for (const CircuitElement& e : circuit.elements) {
            branches += e.kind == PartKind::Inductor ? 1 : 0;
        }
        const Eigen::Index n = nodes + branches;
        system_.G = Eigen::MatrixXd::Zero(n, n);
        system_.C = Eigen::MatrixXd::Zero(n, n);
        system_.b = Eigen::VectorXd::Zero(n);
        next_ = nodes;
    }

    // The unknown of node k; ground has none.
    static Eigen::Index at(int node) { return node - 1; }

    // g between two nodes, in G or in C.
    void admittance(Eigen::MatrixXd& m, int from, int to, double g) {
        add(m, from, from, g);
        add(m, to, to, g);
        add(m, from, to, -g);
        add(m, to, from, -g);
    }

    // A new current unknown leaving node `from` and entering `to`.
    Eigen::Index branch(int from, int to) {
        const Eigen::Index j = next_++;
        if (from != 0) {
            system_.G(at(from), j) += 1;
        }
        if (to != 0) {
            system_.G(at(to), j) -= 1;
        }
        return j;
    }

    // Adds v at (row node, column node); ground has neither.
    static void add(Eigen::MatrixXd& m, int row, int column, double v) {
        if (row != 0 && column != 0) {
            m(at(row), at(column)) += v;
        }
    }

    // Adds v in row j at the column of `node`.
    static void addInRow(Eigen::MatrixXd& m, Eigen::Index j, int node, double v) {
        if (node != 0) {
            m(j, at(node)) += v;
        }
    }

  private:
    NodalSystem& system_;
    Eigen::Index next_ = 0;
};

NodalSystem nodalSystem(const CascadeCircuit& circuit, const OpAmpModel& opAmp) {
    NodalSystem s;
    Stamper stamp(circuit, s);
    for (const CircuitElement& e : circuit.elements) {
        switch (e.kind) {
            case PartKind::Resistor:
                stamp.admittance(s.G, e.from, e.to, 1 / e.value);
                break;
            case PartKind::Capacitor:
                stamp.admittance(s.C, e.from, e.to, e.value);
                break;
            case PartKind::Inductor: {
                // V(from) - V(to) - s L I = 0.
                const Eigen::Index j = stamp.branch(e.from, e.to);
                Stamper::addInRow(s.G, j, e.from, 1);
                Stamper::addInRow(s.G, j, e.to, -1);
                s.C(j, j) = -e.value;
                break;
            }
        }
    }
    // The source's current enters the circuit at its node: V(source) = 1.
    const Eigen::Index source = stamp.branch(0, circuit.source);
    Stamper::addInRow(s.G, source, circuit.source, 1);
    s.b(source) = 1;
    for (const CircuitOpAmp& a : circuit.opAmps) {
        const Eigen::Index j = stamp.branch(0, a.output);
        Stamper::addInRow(s.G, j, a.nonInverting, 1);
        Stamper::addInRow(s.G, j, a.inverting, -1);
        if (!opAmp.ideal()) {
            Stamper::addInRow(s.G, j, a.output, -1 / opAmp.dcGain());
            Stamper::addInRow(s.C, j, a.output, -1 / (2 * std::numbers::pi * opAmp.gbwHz));
            const double cin = opAmp.inputCapacitance();
            stamp.admittance(s.C, a.nonInverting, 0, cin);
            stamp.admittance(s.C, a.inverting, 0, cin);
        }
    }
    s.output = Stamper::at(circuit.output);
    return s;
}

// det(G + s C) has no higher degree than the number of rows of C that are
// not zero.
int degreeBound(const Eigen::MatrixXd& C) {
    int rows = 0;
    for (Eigen::Index r = 0; r < C.rows(); ++r) {
        rows += C.row(r).cwiseAbs().maxCoeff() > 0 ? 1 : 0;
    }
    return rows;
}

// The polynomial of degree < count whose values at z_k = e^(2 pi i k / count)
// are `values`, by the inverse discrete Fourier transform; real, since the
// values at conjugate points are conjugate. Trimmed of leading coefficients
// no larger than rounding leaves of the largest.
std::vector<double> interpolated(const std::vector<DoubleComplex>& values) {
    const auto count = static_cast<int>(values.size());
    std::vector<double> c(values.size());
    for (int j = 0; j < count; ++j) {
        DoubleComplex sum = 0;
        for (int k = 0; k < count; ++k) {
            sum += values[static_cast<std::size_t>(k)] *
                   std::polar(1.0, -2 * std::numbers::pi * j * k / count);
        }
        c[static_cast<std::size_t>(j)] = sum.real() / count;
    }
    double largest = 0;
    for (const double v : c) {
        largest = std::max(largest, std::fabs(v));
    }
    const double rounding = 64 * count * std::numeric_limits<double>::epsilon() * largest;
    while (c.size() > 1 && !(std::fabs(c.back()) > rounding)) {
        c.pop_back();
    }
    return c;
}

}  // namespace

RationalTransfer transferFunction(const CascadeCircuit& circuit, const OpAmpModel& opAmp,
                                  double scale) {
    const NodalSystem s = nodalSystem(circuit, opAmp);
    const int count = degreeBound(s.C) + 1;
    std::vector<DoubleComplex> numerator(static_cast<std::size_t>(count));
    std::vector<DoubleComplex> denominator(static_cast<std::size_t>(count));
    const Eigen::MatrixXcd G = s.G.cast<DoubleComplex>();
    const Eigen::MatrixXcd sC = (scale * s.C).cast<DoubleComplex>();
    const Eigen::VectorXcd b = s.b.cast<DoubleComplex>();
    // The other half of the circle is the conjugate of this one.
    for (int k = 0; 2 * k <= count; ++k) {
        const DoubleComplex z = std::polar(1.0, 2 * std::numbers::pi * k / count);
        const Eigen::PartialPivLU<Eigen::MatrixXcd> lu(G + z * sC);
        const DoubleComplex det = lu.determinant();
        const DoubleComplex n = det * lu.solve(b)(s.output);
        const auto at = static_cast<std::size_t>(k);
        numerator[at] = n;
        denominator[at] = det;
        if (k > 0 && 2 * k < count) {
            numerator[static_cast<std::size_t>(count - k)] = std::conj(n);
            denominator[static_cast<std::size_t>(count - k)] = std::conj(det);
        }
    }
    return {scale, interpolated(numerator), interpolated(denominator)};
}

}  // namespace tessaron
