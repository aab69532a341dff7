#pragma once

#include <span>
#include <string>
#include <string_view>

namespace tessaron {

// Where a design run writes its report, at the end. The report hands over the
// header and each stage block whole; a sink that can add several lines at once
// (a visible text panel lays itself out once per call) overrides appendLines.
class ReportSink {
  public:
    virtual ~ReportSink() = default;
    virtual void appendLine(std::string_view line) = 0;
    virtual void appendLines(std::span<const std::string> lines) {
        for (const std::string& line : lines) {
            appendLine(line);
        }
    }
};

}  // namespace tessaron
