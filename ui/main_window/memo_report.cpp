// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main_window/memo_report.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "ui/charts/context_menu.h"
#include "ui/charts/utf8_text.h"

namespace tessaron {

namespace {

// Paragraphs below what the memo holds. Text the user typed that ends in a line
// break leaves an empty last line: the report starts on it, not below it, so no
// blank line comes between.
void appendParagraphs(QPlainTextEdit& memo, const QString& text) {
    const QTextBlock last = memo.document()->lastBlock();
    if (last.blockNumber() == 0 || last.length() > 1) {
        memo.appendPlainText(text);
        return;
    }
    // Followed to the end as appendPlainText does, when the user was there.
    QScrollBar* bar = memo.verticalScrollBar();
    const bool atEnd = bar->value() >= bar->maximum();
    QTextCursor end(memo.document());
    end.movePosition(QTextCursor::End);
    end.insertText(text);
    if (atEnd) {
        bar->setValue(bar->maximum());
    }
}

}  // namespace

void MemoReport::doAppendLine(std::string_view line) {
    if (!pending_.isEmpty()) {
        pending_ += QChar::ParagraphSeparator;
    }
    pending_ += qText(line);
}

void MemoReport::doAppendLines(std::span<const std::string> lines) {
    for (const std::string& line : lines) {
        doAppendLine(line);
    }
}

void MemoReport::flush() {
    if (pending_.isEmpty()) {
        return;
    }
    // One paragraph per line, added in one edit.
    appendParagraphs(memo_, pending_);
    pending_.clear();
}

void setUpReportContextMenu(QPlainTextEdit& memo) {
    // The memo reports positions in its viewport.
    setUpContextMenu(memo, *memo.viewport(), [&memo](const QPoint& position) {
        QMenu* menu = memo.createStandardContextMenu(position);
        menu->addSeparator();
        QAction* copyAll = menu->addAction(QPlainTextEdit::tr("Copy All"), &memo, [&memo] {
            QGuiApplication::clipboard()->setText(memo.toPlainText());
        });
        copyAll->setEnabled(!memo.document()->isEmpty());
        return menu;
    });
}

}  // namespace tessaron
