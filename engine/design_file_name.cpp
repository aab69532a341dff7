#include "engine/design_file_name.h"

#include <array>
#include <charconv>
#include <cmath>

#include "engine/coefficient_tables.h"
#include "mathlib/fp_guard.h"

namespace tessaron {

namespace {

constexpr int kCutoffDigits = 6;

std::string familyName(int family) {
    switch (family) {
        case Butterworth:
            return "butterworth";
        case Bessel:
            return "bessel";
        case Chebyshev:
            return "chebyshev";
        default:
            return "family" + std::to_string(family);
    }
}

// "2nd", "4th", "8th"; the tables also know 6 ("6th").
std::string orderName(int order) {
    return std::to_string(order) + (order == 2 ? "nd" : "th");
}

std::string cutoffName(Extended fc) {
    struct Prefix {
        Extended scale;
        const char* symbol;
    };
    static constexpr std::array<Prefix, 3> kPrefixes{{{1e9L, "G"}, {1e6L, "M"}, {1e3L, "k"}}};
    std::array<char, 64> buffer{};
    const char* symbol = "";
    // A name is no computation: its flags (invalid for a NaN cutoff, inexact)
    // are by-products, and nothing here may trap under the loaded word.
    const std::to_chars_result result = fp::libraryArithmetic([&] {
        Extended scaled = fc;
        for (const Prefix& prefix : kPrefixes) {
            // Rounded to the digits shown first, so 999999.9 Hz is "1MHz".
            if (std::fabs(fc) >= prefix.scale * (1.0L - 5e-7L)) {
                scaled = fc / prefix.scale;
                symbol = prefix.symbol;
                break;
            }
        }
        return std::to_chars(buffer.data(), buffer.data() + buffer.size(), scaled,
                             std::chars_format::general, kCutoffDigits);
    });
    return std::string(buffer.data(), result.ptr) + symbol + "Hz";
}

}  // namespace

std::string topologyFileStem(TopologyKind topology) {
    switch (topology) {
        case TopologyKind::MultipleFeedback:
            return "mfb";
        case TopologyKind::SallenKey:
            return "sallen-key";
        case TopologyKind::Passive:
            return "passive";
    }
    return "design";
}

std::string designFileStem(const DesignSummary& design) {
    return topologyFileStem(design.topology) + '-' + familyName(design.family) + '-' +
           orderName(design.order) + '-' + cutoffName(design.fc);
}

}  // namespace tessaron
