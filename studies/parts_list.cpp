// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/parts_list.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <stdexcept>
#include <tuple>

namespace tessaron {
namespace {

// Where a part goes in the list: what must be equal for two parts to share a
// row, in the order the rows are sorted by.
auto sortKey(const PartsListRow& row) {
    return std::tuple(row.kind, !row.value.has_value(), row.value.value_or(0), row.valueText,
                      row.series, row.tolerance);
}

std::string numberText(double value, std::chars_format format, int precision = -1) {
    std::array<char, 64> text{};
    const auto result =
        precision < 0
            ? std::to_chars(text.data(), text.data() + text.size(), value, format)
            : std::to_chars(text.data(), text.data() + text.size(), value, format, precision);
    return std::string(text.data(), result.ptr);
}

std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

std::string joined(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items) {
        text += (text.empty() ? "" : ", ") + item;
    }
    return text;
}

void addToRows(std::vector<PartsListRow>& rows, PartsListRow part) {
    const auto same = std::find_if(rows.begin(), rows.end(), [&](const PartsListRow& row) {
        return sortKey(row) == sortKey(part);
    });
    if (same == rows.end()) {
        rows.push_back(std::move(part));
    } else {
        same->designators.push_back(part.designators.front());
    }
}

}  // namespace

std::vector<PartsListRow> partsList(std::span<const ShownPart> parts,
                                    const CircuitDesignators& designators,
                                    ToleranceChoice tolerances) {
    if (parts.size() != designators.parts.size()) {
        throw std::invalid_argument("A parts list needs one designator per part");
    }
    std::vector<PartsListRow> rows;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const ShownPart& part = parts[i];
        const bool valued = part.value.fault == ValueFault::None;
        addToRows(rows, {{designators.parts[i].text},
                         designatorKind(part.kind),
                         valueText(part),
                         valued ? std::optional(part.value.standard.value) : std::nullopt,
                         part.series,
                         tolerances.of(part.kind)});
    }
    for (const Designator& opAmp : designators.opAmps) {
        addToRows(rows, {{opAmp.text}, DesignatorKind::OpAmp, "", {}, {}, {}});
    }
    std::stable_sort(rows.begin(), rows.end(), [](const PartsListRow& a, const PartsListRow& b) {
        return sortKey(a) < sortKey(b);
    });
    return rows;
}

std::string partsListCsv(std::span<const PartsListRow> rows) {
    std::string csv = std::string(kPartsListHeader) + "\n";
    for (const PartsListRow& row : rows) {
        csv +=
            csvField(joined(row.designators)) + "," + std::to_string(row.quantity()) + "," +
            csvField(row.valueText) + "," +
            (row.value ? numberText(*row.value, std::chars_format::general) : "") + "," +
            (row.series ? std::string(seriesName(*row.series)) : "") + "," +
            (row.tolerance ? numberText(*row.tolerance * 100, std::chars_format::general, 6) : "") +
            "," + std::string(kindName(row.kind)) + "\n";
    }
    return csv;
}

}  // namespace tessaron
