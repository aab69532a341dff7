// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <linux/capability.h>
#include <sys/resource.h>

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <optional>

namespace tessaron::test {

// Capabilities belong to a thread: without the ones that let root write
// anywhere, permission bits bind the calling thread, root or not. They stay
// permitted, so the thread takes them back when this goes.
class WithoutFileOverride {
  public:
    WithoutFileOverride();
    ~WithoutFileOverride();
    WithoutFileOverride(const WithoutFileOverride&) = delete;
    WithoutFileOverride& operator=(const WithoutFileOverride&) = delete;

  private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2]{};
};

// Files may grow to a few bytes only, as if the disk were full: a longer write
// fails with EFBIG (its signal ignored meanwhile, as it would end the process).
class FileSizeLimit {
  public:
    FileSizeLimit();
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

// The ways a save can fail that a test can bring about, as root too (which CI
// and the developers' machines run as, and whom permission bits do not stop).
enum class WriteFailure {
    ParentIsAFile,      // "report.txt/x.csv"
    NameIsAFolder,      // the name chosen is an existing folder
    ReadOnlyFolder,     // a folder without write permission
    NoRoomForTheWhole,  // the file size limit, as a full disk would
};

const char* nameOf(WriteFailure failure);

// A temporary folder holding an existing file with known bytes and whatever
// the failure needs. Once armed, writing to target() fails that way.
class FailingTarget {
  public:
    explicit FailingTarget(WriteFailure failure);
    ~FailingTarget();
    FailingTarget(const FailingTarget&) = delete;
    FailingTarget& operator=(const FailingTarget&) = delete;

    QString target() const { return target_; }
    QString existingFile() const;
    static QByteArray existingBytes() { return "frequency_hz,gain_db,phase_deg\n1,2,3\n"; }
    // The names in the folder, in order, to see that no partial file is left.
    QStringList entries() const;
    // Makes the failure happen on this thread until disarmed.
    void arm();
    void disarm();

  private:
    QTemporaryDir folder_;
    WriteFailure failure_;
    QString target_;
    std::optional<WithoutFileOverride> withoutOverride_;
    std::optional<FileSizeLimit> sizeLimit_;
};

}  // namespace tessaron::test
