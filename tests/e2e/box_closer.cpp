// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/e2e/box_closer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QTest>
#include <QWindow>

#include "mathlib/x87.h"

namespace tessaron::e2e {

namespace {

// Often enough that a run of nine boxes stays quick, seldom enough that the
// box gets to lay itself out and paint between two looks.
constexpr int kPollMilliseconds = 10;
// A box that never gets painted is answered all the same rather than left to
// hang the suite; its text is still checked.
constexpr qint64 kPaintPatienceMilliseconds = 10'000;

}  // namespace

BoxCloser::BoxCloser(std::function<QStringList()> memo) : memo_(std::move(memo)) {
    connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
    timer_.start(kPollMilliseconds);
}

BoxCloser::~BoxCloser() {
    if (watched_ != nullptr) {
        watched_->removeEventFilter(this);
    }
}

bool BoxCloser::eventFilter(QObject* watched, QEvent* event) {
    if (watched == watched_ && event->type() == QEvent::Paint) {
        painted_ = true;
    }
    return QObject::eventFilter(watched, event);
}

void BoxCloser::poll() {
    // Clicking OK delivers events, and with them this timer again.
    if (answering_) {
        return;
    }
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) {
        return;
    }
    if (box != watched_) {
        if (watched_ != nullptr) {
            watched_->removeEventFilter(this);
        }
        watched_ = box;
        painted_ = false;
        sinceSeen_.start();
        box->installEventFilter(this);
        // Painted once more after the filter is in place, so that the box is
        // known to have laid out and drawn its text before it is answered.
        box->update();
        return;
    }
    const QWindow* window = box->windowHandle();
    const bool onScreen = painted_ && window != nullptr && window->isExposed();
    if (!onScreen && sinceSeen_.elapsed() < kPaintPatienceMilliseconds) {
        return;
    }

    ShownBox shown;
    shown.text = box->text();
    shown.title = box->windowTitle();
    shown.icon = box->icon();
    shown.buttons = static_cast<int>(box->buttons().size());
    shown.memo = memo_();
    shown.controlWord = x87::readControlWord();
    boxes_.push_back(shown);

    answering_ = true;
    box->removeEventFilter(this);
    watched_ = nullptr;
    if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
        QTest::mouseClick(ok, Qt::LeftButton);
    } else {
        box->reject();
    }
    answering_ = false;
}

}  // namespace tessaron::e2e
