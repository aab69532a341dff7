#include "ui/memo_report.h"

#include <QPlainTextEdit>

namespace tessaron {

void MemoReport::appendLine(std::string_view line) {
    memo_.appendPlainText(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
}

}  // namespace tessaron
