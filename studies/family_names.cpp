// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/family_names.h"

namespace tessaron {

std::string_view familyLabel(FilterFamily family) {
    switch (family) {
        case Butterworth:
            return "Butterworth";
        case Bessel:
            return "Bessel";
        case Chebyshev:
            return "Chebyshev";
        default:
            return "";
    }
}

std::string orderLabel(int order) {
    return std::to_string(order) + (order == 2 ? "nd" : "th");
}

}  // namespace tessaron
