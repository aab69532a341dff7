// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <charconv>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaron::test {

// One row of a curves file read back.
struct CurvesRow {
    double frequency;
    double gain;
    double phase;
};

// A curves file read back the strict way: its first line, then every row of
// exactly three numbers, each taken whole by from_chars (which ignores the
// locale). Nothing is returned for any other text, a missing final newline or
// a trailing blank line included.
struct CurvesFile {
    std::string header;
    std::vector<CurvesRow> rows;
};

inline std::optional<double> wholeNumber(std::string_view field) {
    double value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (error != std::errc() || end != field.data() + field.size()) {
        return std::nullopt;
    }
    return value;
}

inline std::optional<CurvesFile> readCurvesCsv(std::string_view text) {
    if (text.empty() || text.back() != '\n') {
        return std::nullopt;
    }
    CurvesFile file;
    std::size_t lineStart = text.find('\n') + 1;
    file.header = std::string(text.substr(0, lineStart - 1));
    while (lineStart < text.size()) {
        const std::size_t lineEnd = text.find('\n', lineStart);
        const std::string_view line = text.substr(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 1;
        const std::size_t firstComma = line.find(',');
        const std::size_t secondComma = line.find(',', firstComma + 1);
        if (firstComma == std::string_view::npos || secondComma == std::string_view::npos ||
            line.find(',', secondComma + 1) != std::string_view::npos) {
            return std::nullopt;
        }
        const auto frequency = wholeNumber(line.substr(0, firstComma));
        const auto gain = wholeNumber(line.substr(firstComma + 1, secondComma - firstComma - 1));
        const auto phase = wholeNumber(line.substr(secondComma + 1));
        if (!frequency || !gain || !phase) {
            return std::nullopt;
        }
        file.rows.push_back({*frequency, *gain, *phase});
    }
    return file;
}

}  // namespace tessaron::test
