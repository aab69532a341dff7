// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/coefficient_tables.h"

#include <stdexcept>
#include <string>

namespace tessaron {
namespace {

struct Entry {
    int order;
    int stage;
    Extended q;
    Extended factor;
};

// Butterworth: every stage at fc.
constexpr Entry kButterworth[] = {
    {2, 0, 0.707107L, 1.0L},                                                    //
    {4, 0, 0.541196L, 1.0L}, {4, 1, 1.306563L, 1.0L},                           //
    {6, 0, 0.517638L, 1.0L}, {6, 1, 0.707107L, 1.0L}, {6, 2, 1.931852L, 1.0L},  //
    {8, 0, 0.509796L, 1.0L}, {8, 1, 0.601345L, 1.0L}, {8, 2, 0.899976L, 1.0L},  //
    {8, 3, 2.562915L, 1.0L},
};

// Bessel, frequencies referred to the filter's -3.000 dB point. These are the
// values the tool has always used; 0.52133 is kept although a fresh prototype
// gives 0.52193, so earlier designs reproduce exactly.
constexpr Entry kBessel[] = {
    {2, 0, 0.57735L, 1.2742L},                                                           //
    {4, 0, 0.52133L, 1.43241L}, {4, 1, 0.80554L, 1.60594L},                              //
    {6, 0, 0.51032L, 1.60653L}, {6, 1, 0.6112L, 1.69186L},  {6, 2, 1.0233L, 1.90782L},   //
    {8, 0, 0.50599L, 1.78143L}, {8, 1, 0.55961L, 1.83514L}, {8, 2, 0.71085L, 1.95645L},  //
    {8, 3, 1.2257L, 2.19237L},
};

// Chebyshev 0.5 dB ripple, frequencies referred to the ripple-band edge. The
// 2nd-order row is kept as it has always been (its Q is a 1 dB prototype's).
constexpr Entry kChebyshev[] = {
    {2, 0, 0.95652L, 1.04079L},                                                          //
    {4, 0, 0.70511L, 0.597L},   {4, 1, 2.94055L, 1.03127L},                              //
    {6, 0, 0.68364L, 0.39623L}, {6, 1, 1.81038L, 0.76812L}, {6, 2, 6.51285L, 1.01145L},  //
    {8, 0, 0.67657L, 0.29674L}, {8, 1, 1.61068L, 0.59887L}, {8, 2, 3.46567L, 0.86101L},  //
    {8, 3, 11.5308L, 1.00595L},
};

int rowOf(int order) {
    return order / 2 - 1;
}

bool validOrder(int order) {
    return order == 2 || order == 4 || order == 6 || order == 8;
}

}  // namespace

void CoefficientTables::Fill() {
    const auto fill = [](Table& table, const auto& entries) {
        for (Row& row : table) {
            row.fill(StageCoefficients{0, 0});
        }
        for (const Entry& e : entries) {
            table[static_cast<std::size_t>(rowOf(e.order))][static_cast<std::size_t>(e.stage)] =
                StageCoefficients{e.q, e.factor};
        }
    };
    fill(tables_[0], kButterworth);
    fill(tables_[1], kBessel);
    fill(tables_[2], kChebyshev);
}

const StageCoefficients& CoefficientTables::Lookup(FilterFamily family, int order,
                                                   int stage) const {
    if (family < Butterworth || family > Chebyshev || !validOrder(order) || stage < 0 ||
        stage >= kMaxStages) {
        throw std::invalid_argument("No prototype for family " + std::to_string(family) +
                                    ", order " + std::to_string(order) + ", stage " +
                                    std::to_string(stage));
    }
    return tables_[static_cast<std::size_t>(family - 1)][static_cast<std::size_t>(rowOf(order))]
                  [static_cast<std::size_t>(stage)];
}

}  // namespace tessaron
