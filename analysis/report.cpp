// SPDX-License-Identifier: GPL-3.0-or-later

#include "analysis/report.h"

#include <string>
#include <vector>

#include "analysis/number_format.h"

namespace tessaron {

void appendReportHeader(ReportSink& sink, int method) {
    // std::to_string: the method number is an integer literal of the header,
    // not a report value, and must not pick up a decimal separator.
    const std::string header[] = {"---Result of Method " + std::to_string(method) + "---",
                                  std::string(kReportSeparator)};
    sink.appendLines(header);
}

void appendStageBlock(ReportSink& sink, int stage, std::span<const ComponentLine> components,
                      Extended naturalFrequency, Extended quality,
                      std::string_view decimalSeparator) {
    // Every line is formatted before the first one is appended: if formatting
    // throws, the report keeps only whole blocks.
    std::vector<std::string> lines;
    lines.reserve(components.size() + 4);

    lines.push_back("<Unit " + formatNumber(static_cast<Extended>(stage), decimalSeparator) + ">");
    for (const ComponentLine& component : components) {
        std::string line{component.label};
        line += formatNumber(component.value, decimalSeparator);
        line += component.unit;
        lines.push_back(std::move(line));
    }
    lines.push_back(" *fc := " + formatNumber(naturalFrequency, decimalSeparator) + " (Hz)");
    lines.push_back("  *Q := " + formatNumber(quality, decimalSeparator));
    lines.emplace_back(kReportSeparator);

    sink.appendLines(lines);
}

}  // namespace tessaron
