// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace tessaron {

// printf's text with the locale's separator in place of its point: the
// tables' figures follow the window's number format, never the C library's
// locale.
template <typename... Args>
std::string printed(std::string_view decimalSeparator, const char* format, Args... args) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, args...);
    std::string text = buffer;
    if (const auto point = text.find('.'); point != std::string::npos) {
        text.replace(point, 1, decimalSeparator);
    }
    return text;
}

}  // namespace tessaron
