// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cmath>
#include <numbers>

namespace tessaron {

// The angle of (x, y) counter-clockwise from the positive real axis, in
// [0, 2pi]; (x, y) must not be (0, 0), and y = -0 counts as above the axis.
// Within 2e-15 rad of the exact angle, from one division, a polynomial and
// selects instead of branches, so a loop over it vectorises; std::atan2 is
// a call per point that no compiler vectorises without -ffast-math.
[[gnu::always_inline]] inline double angleOf(double x, double y) {
    using std::numbers::pi;
    // tan(pi/8): above it, atan(t) = pi/4 + atan((t - 1) / (t + 1)), which
    // leaves |t| <= tan(pi/8) for the polynomial.
    constexpr double kTanPiOver8 = 0.41421356237309503;
    // atan(t) = t + t z p(z), z = t^2, on |t| <= tan(pi/8): p interpolates
    // (atan(sqrt z) / sqrt z - 1) / z at the Chebyshev points of degree 10,
    // computed in extended precision; 0.65 ulp at most on that interval.
    constexpr double c0 = -0.33333333333333326;
    constexpr double c1 = 0.19999999999994245;
    constexpr double c2 = -0.14285714284549689;
    constexpr double c3 = 0.11111111009865773;
    constexpr double c4 = -0.090909044341947867;
    constexpr double c5 = 0.076921808079065832;
    constexpr double c6 = -0.06664486212960509;
    constexpr double c7 = 0.058579777608672161;
    constexpr double c8 = -0.050847304412499003;
    constexpr double c9 = 0.039214599191775848;
    constexpr double c10 = -0.019159431942565086;

    // Only constants and values needed anyway are selected, and every
    // reflection is written as base + sign * angle, which rounds exactly as
    // base - angle does: the compiler may not move a floating-point operation
    // into a condition and out again (it could raise a flag), and a select of
    // a value computed for one side only would stop vectorisation.
    const double ax = std::fabs(x);
    const double ay = std::fabs(y);
    const double larger = ax > ay ? ax : ay;
    const double smaller = ax > ay ? ay : ax;
    const bool reduced = smaller > kTanPiOver8 * larger;
    const double t = (smaller - (reduced ? larger : 0.0)) / ((reduced ? smaller : 0.0) + larger);
    const double z = t * t;
    const double p =
        ((((((((((c10 * z + c9) * z + c8) * z + c7) * z + c6) * z + c5) * z + c4) * z + c3) * z +
           c2) *
              z +
          c1) *
             z +
         c0);
    const double octant = (reduced ? pi / 4 : 0.0) + (t + t * (z * p));  // [0, pi/4]
    const bool steep = ay > ax;
    const double quadrant = (steep ? pi / 2 : 0.0) + (steep ? -1.0 : 1.0) * octant;
    const bool left = x < 0;
    const double half = (left ? pi : 0.0) + (left ? -1.0 : 1.0) * quadrant;
    const bool below = y < 0;
    return (below ? 2 * pi : 0.0) + (below ? -1.0 : 1.0) * half;
}

}  // namespace tessaron
