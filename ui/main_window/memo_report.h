// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "analysis/report_sink.h"

class QPlainTextEdit;

namespace tessaron {

// A design report appended to a tab's memo, below whatever the user left there.
class MemoReport : public ReportSink {
  public:
    explicit MemoReport(QPlainTextEdit& memo) : memo_(memo) {}

  private:
    void doAppendLine(std::string_view line) override;
    void doAppendLines(std::span<const std::string> lines) override;

    QPlainTextEdit& memo_;
};

// Gives a memo its context menu: the standard editing items and "Copy All", so
// that a whole report goes to the clipboard without selecting it first. Further
// items go in with addContextMenuItems.
void setUpReportContextMenu(QPlainTextEdit& memo);

}  // namespace tessaron
