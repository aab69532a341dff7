#include "ui/memo_report.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QPlainTextEdit>

namespace tessaron {

void MemoReport::appendLine(std::string_view line) {
    memo_.appendPlainText(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
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
