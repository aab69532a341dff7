// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>
#include <string>
#include <string_view>

#include "mathlib/fp_guard.h"

namespace tessaron {

// Where a design run writes its report, at the end. The report hands over the
// header and each stage block whole; a sink that can add several lines at once
// (a visible text panel lays itself out once per call) overrides doAppendLines.
// The run calls it from inside its Guard: the sink runs as a foreign call
// (mathlib/fp_guard.h).
class ReportSink {
  public:
    virtual ~ReportSink() = default;
    void appendLine(std::string_view line) {
        fp::ForeignCall foreign;
        doAppendLine(line);
    }
    void appendLines(std::span<const std::string> lines) {
        fp::ForeignCall foreign;
        doAppendLines(lines);
    }

  private:
    virtual void doAppendLine(std::string_view line) = 0;
    virtual void doAppendLines(std::span<const std::string> lines) {
        for (const std::string& line : lines) {
            doAppendLine(line);
        }
    }
};

}  // namespace tessaron
