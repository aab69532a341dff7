// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The yardstick of every "Calc" benchmark: the multiple-feedback sweep of an
// 8th-order design written as a bare extended-precision loop on the same x87
// instructions as the run, without the component, events or fault checks.
#include <benchmark/benchmark.h>

#include <vector>

#include "analysis/plot_series.h"
#include "mathlib/extended.h"
#include "mathlib/x87_instructions.h"

namespace tessaron {

inline void plainX87Sweep(benchmark::State& state) {
    // Four Chebyshev stages sized by "Fix Rx" at 1 kHz.
    const long double q[] = {0.67657L, 1.61068L, 3.46567L, 11.5308L};
    const long double k[] = {0.29674L, 0.59887L, 0.86101L, 1.00595L};
    long double K[4], b1[4], b0[4];
    for (int i = 0; i < 4; ++i) {
        const long double rx = 10000, omega = 1000 * kTwoPi;
        const long double t = 1 / ((omega * k[i]) * rx);
        const long double c1 = (q[i] * 3) * t, c2 = t / (q[i] * 3);
        K[i] = -1 / (((rx * rx) * c1) * c2);
        b1[i] = (1 / c1) * ((1 / rx + 1 / rx) + 1 / rx);
        b0[i] = 1 / (((rx * rx) * c1) * c2);
    }
    std::vector<PlotPoint> gain(10000), phase(10000);
    for (auto _ : state) {
        for (int p = 0; p < 10000; ++p) {
            const long double f = 10 + 9 * p, w = f * kTwoPi;
            long double hr = 0, hi = 0;
            for (int i = 0; i < 4; ++i) {
                // The same operations as the stage response: s^2, b1 s, sums,
                // then K / t with the squared modulus as divisor.
                const long double s2r = 0 * 0 - w * w, s2i = w * 0 + 0 * w;
                const long double tr = (0 * b1[i] - w * 0) + s2r + b0[i];
                const long double ti = (w * b1[i] + 0 * 0) + s2i + 0;
                const long double d = tr * tr + ti * ti;
                const long double sr = (K[i] * tr + 0 * ti) / d;
                const long double si = (0 * tr - K[i] * ti) / d;
                if (i == 0) {
                    hr = sr;
                    hi = si;
                } else {
                    const long double nr = hr * sr - hi * si;
                    hi = hi * sr + hr * si;
                    hr = nr;
                }
            }
            const long double g = x87::log10(x87::sqrt(hr * hr + hi * hi)) * 20;
            long double angle;
            if (hr > 0) {
                angle = x87::atan2(hi / hr, 1);
            } else {
                const long double t = x87::atan2(hi / -hr, 1);
                angle = hi >= 0 ? kPi - t : -kPi - t;
            }
            const long double ph = (angle * 180) / kPi;
            gain[static_cast<std::size_t>(p)] = {static_cast<double>(f), static_cast<double>(g)};
            phase[static_cast<std::size_t>(p)] = {static_cast<double>(f), static_cast<double>(ph)};
        }
        benchmark::DoNotOptimize(gain.data());
        benchmark::DoNotOptimize(phase.data());
    }
}

}  // namespace tessaron
