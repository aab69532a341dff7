// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <locale.h>

#include <cstdio>
#include <string>
#include <string_view>

namespace tessaron {

// printf's text with the given separator in place of its point: the tables'
// figures follow the window's number format. printf itself runs in the "C"
// locale, as the window's LC_NUMERIC (the environment's, set by Qt) would
// otherwise put its own separator there first.
template <typename... Args>
std::string printed(std::string_view decimalSeparator, const char* format, Args... args) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    char buffer[64];
    const locale_t previous = uselocale(cLocale);
    std::snprintf(buffer, sizeof buffer, format, args...);
    uselocale(previous);
    std::string text = buffer;
    if (const auto point = text.find('.'); point != std::string::npos) {
        text.replace(point, 1, decimalSeparator);
    }
    return text;
}

}  // namespace tessaron
