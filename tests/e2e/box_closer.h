// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QElapsedTimer>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <vector>

namespace tessaron::e2e {

// One box as it stood on the screen.
struct ShownBox {
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    // What the tab's report held while the box was up.
    QStringList memo;
    // The unit's control word while the box ran its event loop.
    std::uint16_t controlWord = 0;
};

// Watches for the real modal boxes the window opens and answers each as a user
// would: once the box has painted itself, notes how it looked and clicks its OK
// button with the mouse.
class BoxCloser : public QObject {
  public:
    explicit BoxCloser(std::function<QStringList()> memo);
    ~BoxCloser() override;

    const std::vector<ShownBox>& boxes() const { return boxes_; }
    void forget() { boxes_.clear(); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void poll();

    std::function<QStringList()> memo_;
    QTimer timer_;
    QPointer<QMessageBox> watched_;
    bool painted_ = false;
    QElapsedTimer sinceSeen_;
    bool answering_ = false;
    std::vector<ShownBox> boxes_;
};

}  // namespace tessaron::e2e
