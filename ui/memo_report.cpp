#include "ui/memo_report.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QPlainTextEdit>

namespace tessaron {

void MemoReport::doAppendLine(std::string_view line) {
    memo_.appendPlainText(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
}

void MemoReport::doAppendLines(std::span<const std::string> lines) {
    // One paragraph per line, added in one edit: the memo lays out and scrolls
    // once per block instead of once per line.
    if (lines.empty()) {
        return;
    }
    QString text = QString::fromStdString(lines.front());
    for (const std::string& line : lines.subspan(1)) {
        text += QChar::ParagraphSeparator;
        text += QString::fromStdString(line);
    }
    memo_.appendPlainText(text);
}

QMenu* createMemoContextMenu(QPlainTextEdit& memo, const QPoint& position) {
    QMenu* menu = memo.createStandardContextMenu(position);
    menu->addSeparator();
    QAction* copyAll = menu->addAction(QPlainTextEdit::tr("Copy All"), &memo, [&memo] {
        QGuiApplication::clipboard()->setText(memo.toPlainText());
    });
    copyAll->setEnabled(!memo.document()->isEmpty());
    return menu;
}

void addCopyAllToContextMenu(QPlainTextEdit& memo) {
    memo.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&memo, &QWidget::customContextMenuRequested, &memo,
                     [&memo](const QPoint& position) {
                         QMenu* menu = createMemoContextMenu(memo, position);
                         menu->setAttribute(Qt::WA_DeleteOnClose);
                         menu->popup(memo.viewport()->mapToGlobal(position));
                     });
}

}  // namespace tessaron
