#pragma once

#include <string_view>

namespace tessaron {

// Where a design run writes its report: one line at a time, at the end.
class ReportSink {
  public:
    virtual ~ReportSink() = default;
    virtual void appendLine(std::string_view line) = 0;
};

}  // namespace tessaron
