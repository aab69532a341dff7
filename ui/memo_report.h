#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "analysis/report_sink.h"

class QMenu;
class QPlainTextEdit;
class QPoint;

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

// Items added below "Copy All", each time the menu opens.
using MenuItems = std::function<void(QMenu&)>;

// Gives a memo "Copy All" in its context menu, so that a whole report goes to
// the clipboard without selecting it first, and `moreItems` after it.
void addCopyAllToContextMenu(QPlainTextEdit& memo, MenuItems moreItems = {});

// The memo's standard context menu with "Copy All" and `moreItems` added;
// `position` is in the memo's viewport. The caller shows and deletes it.
QMenu* createMemoContextMenu(QPlainTextEdit& memo, const QPoint& position,
                             const MenuItems& moreItems = {});

}  // namespace tessaron
