// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include "ui/files/dialogs.h"

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

// What the save dialog on screen showed when it came up.
struct ShownFileDialog {
    bool shown = false;
    QString title;
    QString directory;
    QStringList selectedFiles;
    QStringList filters;
    QString selectedFilter;
};

struct FileDialogCase {
    const char* name;
    bool accept;
    int filter;  // the filter the user picks before accepting
};

class SaveFileDialog : public ::testing::TestWithParam<FileDialogCase> {};

TEST_P(SaveFileDialog, IsTheStandardDialogOpenedOnTheProposedFile) {
    QTemporaryDir folder;
    const QString proposed = QDir(folder.path()).filePath("mfb-butterworth-4th-1kHz.svg");
    const QString chosen = QDir(folder.path()).filePath("chosen.png");
    const QStringList filters{"SVG image (*.svg)", "PDF document (*.pdf)", "PNG image (*.png)"};
    QWidget parent;
    MessageBoxDialogs dialogs(&parent);
    ShownFileDialog seen;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        seen.shown = true;
        seen.title = dialog->windowTitle();
        seen.directory = dialog->directory().absolutePath();
        seen.selectedFiles = dialog->selectedFiles();
        seen.filters = dialog->nameFilters();
        seen.selectedFilter = dialog->selectedNameFilter();
        if (!GetParam().accept) {
            dialog->reject();
            return;
        }
        dialog->selectNameFilter(filters[GetParam().filter]);
        dialog->selectFile(chosen);
        // Through the public slot of QDialog, as the Save button does.
        static_cast<QDialog*>(dialog)->accept();
    });

    const std::optional<SaveFileAnswer> answer =
        dialogs.askSaveFileName(SaveFileQuestion{"Save Chart As", proposed, filters});

    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.title, "Save Chart As");
    EXPECT_EQ(seen.directory, QDir(folder.path()).absolutePath());
    EXPECT_EQ(seen.selectedFiles, QStringList{proposed});
    EXPECT_EQ(seen.filters, filters);
    EXPECT_EQ(seen.selectedFilter, filters.front());
    if (!GetParam().accept) {
        EXPECT_EQ(answer, std::nullopt);
        return;
    }
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(answer->path, chosen);
    EXPECT_EQ(answer->filter, GetParam().filter);
}

INSTANTIATE_TEST_SUITE_P(Answers, SaveFileDialog,
                         ::testing::Values(FileDialogCase{"Cancel", false, 0},
                                           FileDialogCase{"FirstFilter", true, 0},
                                           FileDialogCase{"ThirdFilter", true, 2}),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace tessaron
