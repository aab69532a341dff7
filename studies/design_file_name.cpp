// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/design_file_name.h"

#include <array>
#include <charconv>
#include <string_view>

#include "engine/coefficient_tables.h"
#include "mathlib/fp_guard.h"
#include "studies/engineering_text.h"
#include "studies/family_names.h"
#include "studies/standard_value.h"

namespace tessaron {

namespace {

constexpr int kCutoffDigits = 6;

// The family's name in lower case, as file names have it.
std::string lowerFamilyName(FilterFamily family) {
    const std::string_view name = familyLabel(family);
    if (name.empty()) {
        return "family" + std::to_string(family);
    }
    std::string lower;
    for (const char c : name) {
        lower += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return lower;
}

// "1kHz", "12.345kHz", "500mHz": the cutoff as an engineer writes it, with
// "u" for micro and without the blank, as a file name wants it. A cutoff that
// is no part value (zero, negative, not finite) is written as it is.
std::string cutoffName(Extended fc) {
    // Converting a cutoff beyond the double range overflows: a by-product here.
    // Pinned and settled, the conversion cannot move out of the masked unit.
    const double hertz = fp::libraryArithmetic([fc] {
        const double converted = static_cast<double>(fp::pinned(fc));
        fp::settle(converted);
        return converted;
    });
    if (checkPartValue(hertz) != ValueFault::None) {
        std::array<char, 32> buffer{};
        const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), hertz,
                                          std::chars_format::general, kCutoffDigits);
        return std::string(buffer.data(), result.ptr) + "Hz";
    }
    const std::string text = engineeringText(StandardValue{0, 0, hertz}, "Hz");
    constexpr std::string_view kMicro = "µ";
    std::string name;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, kMicro.size(), kMicro) == 0) {
            name += 'u';
            i += kMicro.size() - 1;
        } else if (text[i] != ' ') {
            name += text[i];
        }
    }
    return name;
}

}  // namespace

std::string topologyFileStem(TopologyKind topology) {
    return withTopology(topology, []<Topology T>() { return std::string(T::kFileStem); });
}

std::string designFileStem(const DesignSummary& design) {
    return topologyFileStem(design.topology) + '-' + lowerFamilyName(design.family) + '-' +
           orderLabel(design.order) + '-' + cutoffName(design.fc);
}

}  // namespace tessaron
