// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/files/atomic_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "tests/ui/support/recording_dialogs.h"
#include "tests/ui/support/write_failures.h"

namespace tessaron::test {
namespace {

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

struct WriteCase {
    const char* name;
    QByteArray before;  // empty: no file yet
    QByteArray bytes;
    LineEndings lineEndings;
    QByteArray expected;
};

class AtomicWrite : public ::testing::TestWithParam<WriteCase> {};

TEST_P(AtomicWrite, LeavesExactlyTheNewBytesAndNothingBeside) {
    const WriteCase& c = GetParam();
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath("report.txt");
    if (!c.before.isEmpty()) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.before);
    }
    EXPECT_EQ(writeFileAtomically(path, c.bytes, c.lineEndings), std::nullopt);
    EXPECT_EQ(contentsOf(path), c.expected);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{"report.txt"});
}

#ifdef Q_OS_WIN
const QByteArray kPlatformLines = "a\r\nb\r\n";
#else
const QByteArray kPlatformLines = "a\nb\n";
#endif

INSTANTIATE_TEST_SUITE_P(
    Files, AtomicWrite,
    ::testing::Values(
        WriteCase{"NewFile", {}, "a\nb\n", LineEndings::Unix, "a\nb\n"},
        WriteCase{"ReplacesALongerFile", "0123456789\n0123456789\n", "a\n", LineEndings::Unix,
                  "a\n"},
        WriteCase{"PlatformLineEndings", {}, "a\nb\n", LineEndings::Platform, kPlatformLines},
        WriteCase{"Utf8KeptAsItIs", {}, "\xE2\x80\xA6\n", LineEndings::Unix, "\xE2\x80\xA6\n"}),
    [](const auto& param) { return std::string(param.param.name); });

class FailedWrite : public ::testing::TestWithParam<WriteFailure> {};

TEST_P(FailedWrite, GivesTheReasonAndLeavesTheFolderAsItWas) {
    FailingTarget failing(GetParam());
    const QStringList entries = failing.entries();
    const QByteArray bigger(4096, 'x');
    failing.arm();
    const std::optional<QString> reason =
        writeFileAtomically(failing.target(), bigger, LineEndings::Platform);
    failing.disarm();
    ASSERT_TRUE(reason.has_value());
    EXPECT_FALSE(reason->isEmpty());
    EXPECT_EQ(contentsOf(failing.existingFile()), FailingTarget::existingBytes());
    EXPECT_EQ(failing.entries(), entries) << "a partial file was left";
}

INSTANTIATE_TEST_SUITE_P(Failures, FailedWrite,
                         ::testing::Values(WriteFailure::ParentIsAFile, WriteFailure::NameIsAFolder,
                                           WriteFailure::ReadOnlyFolder,
                                           WriteFailure::NoRoomForTheWhole),
                         [](const auto& param) { return std::string(nameOf(param.param)); });

}  // namespace
}  // namespace tessaron::test
