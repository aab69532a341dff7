#pragma once

#include <QString>

class QWidget;

namespace tessaron {

// Every box the window shows goes through here, so tests can record the texts
// instead of blocking on a modal box.
class UserDialogs {
  public:
    virtual ~UserDialogs() = default;
    // A plain box with one OK button; returns when it is dismissed.
    virtual void showMessage(const QString& text) = 0;
    // An error box (error icon, one OK button); returns when it is dismissed.
    virtual void showError(const QString& text) = 0;
};

// Modal message boxes captioned with the application title.
class MessageBoxDialogs : public UserDialogs {
  public:
    explicit MessageBoxDialogs(QWidget* parent) : parent_(parent) {}
    void showMessage(const QString& text) override;
    void showError(const QString& text) override;

  private:
    QWidget* parent_;
};

}  // namespace tessaron
