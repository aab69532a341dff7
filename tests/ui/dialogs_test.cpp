#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "ui/dialogs.h"

namespace tessaron {
namespace {

// What the box on screen looked like when it came up.
struct ShownBox {
    bool shown = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

// Dismisses the next modal box with its OK button, noting how it looked.
void dismissNextBox(ShownBox& seen) {
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        seen.shown = true;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        for (const QAbstractButton* button : box->buttons()) {
            seen.buttons << button->text();
        }
        box->button(QMessageBox::Ok)->click();
    });
}

struct BoxCase {
    const char* name;
    bool error;
    QMessageBox::Icon icon;
};

class MessageBoxes : public ::testing::TestWithParam<BoxCase> {};

TEST_P(MessageBoxes, ShowOneModalBoxCaptionedWithTheApplicationTitle) {
    QWidget parent;
    MessageBoxDialogs dialogs(&parent);
    ShownBox seen;
    dismissNextBox(seen);
    const QString text = QString::fromUtf8("0 による浮動小数点数除算.");
    if (GetParam().error) {
        dialogs.showError(text);
    } else {
        dialogs.showMessage(text);
    }
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.title, "Tessaron");
    EXPECT_EQ(seen.text, text);
    EXPECT_EQ(seen.icon, GetParam().icon);
    EXPECT_EQ(seen.buttons.size(), 1);
}

INSTANTIATE_TEST_SUITE_P(Kinds, MessageBoxes,
                         ::testing::Values(BoxCase{"Message", false, QMessageBox::NoIcon},
                                           BoxCase{"Error", true, QMessageBox::Critical}),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace tessaron
