// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>
#include <string_view>

#include "analysis/report_sink.h"
#include "mathlib/extended.h"

namespace tessaron {

// One component of a stage as the report shows it: "  R1 := " 10000 " (ohm)".
struct ComponentLine {
    std::string_view label;  // "  R1 := "
    Extended value;
    std::string_view unit;  // " (ohm)"
};

inline constexpr std::string_view kReportSeparator = "------------------------";

// "---Result of Method <method>---" and the separator.
void appendReportHeader(ReportSink& sink, int method);

// "<Unit i>", the component lines, " *fc := ", "  *Q := " and the separator,
// appended in one go so a block is never left half written.
void appendStageBlock(ReportSink& sink, int stage, std::span<const ComponentLine> components,
                      Extended naturalFrequency, Extended quality,
                      std::string_view decimalSeparator);

}  // namespace tessaron
