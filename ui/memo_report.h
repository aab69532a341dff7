#pragma once

#include <string_view>

#include "analysis/report_sink.h"

class QPlainTextEdit;

namespace tessaron {

// A design report appended to a tab's memo, below whatever the user left there.
class MemoReport : public ReportSink {
  public:
    explicit MemoReport(QPlainTextEdit& memo) : memo_(memo) {}
    void appendLine(std::string_view line) override;

  private:
    QPlainTextEdit& memo_;
};

}  // namespace tessaron
