// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "analysis/report_sink.h"

class QPlainTextEdit;

namespace tessaron {

// A design report appended to a tab's memo, below whatever the user left there.
// The lines a run reports wait until flush(): the memo lays out and scrolls
// once a "Calc" instead of once a stage, and no event loop can run between a
// run's lines, so nobody sees the memo half-way.
class MemoReport : public ReportSink {
  public:
    explicit MemoReport(QPlainTextEdit& memo) : memo_(memo) {}

    // Puts the lines reported since the last flush into the memo.
    void flush();

  private:
    void doAppendLine(std::string_view line) override;
    void doAppendLines(std::span<const std::string> lines) override;

    QPlainTextEdit& memo_;
    QString pending_;  // paragraphs, separated as the memo separates them
};

// Gives a memo its context menu: the standard editing items and "Copy All", so
// that a whole report goes to the clipboard without selecting it first. Further
// items go in with addContextMenuItems.
void setUpReportContextMenu(QPlainTextEdit& memo);

}  // namespace tessaron
