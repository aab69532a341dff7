// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/ui/support/write_failures.h"

#include <sys/syscall.h>
#include <unistd.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <csignal>
#include <stdexcept>

namespace tessaron::test {

namespace {

constexpr rlim_t kFileSizeLimit = 64;

void writeExisting(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(FailingTarget::existingBytes()) < 0) {
        throw std::runtime_error("cannot prepare " + path.toStdString());
    }
}

}  // namespace

WithoutFileOverride::WithoutFileOverride() {
    if (syscall(SYS_capget, &header_, saved_) != 0) {
        throw std::runtime_error("capget failed");
    }
    __user_cap_data_struct reduced[2] = {saved_[0], saved_[1]};
    reduced[0].effective &=
        ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER));
    if (syscall(SYS_capset, &header_, reduced) != 0) {
        throw std::runtime_error("capset failed");
    }
}

WithoutFileOverride::~WithoutFileOverride() {
    syscall(SYS_capset, &header_, saved_);
}

FileSizeLimit::FileSizeLimit() {
    getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit limited = saved_;
    limited.rlim_cur = kFileSizeLimit;
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    if (setrlimit(RLIMIT_FSIZE, &limited) != 0) {
        throw std::runtime_error("setrlimit failed");
    }
}

FileSizeLimit::~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previousHandler_);
}

const char* nameOf(WriteFailure failure) {
    switch (failure) {
        case WriteFailure::ParentIsAFile:
            return "ParentIsAFile";
        case WriteFailure::NameIsAFolder:
            return "NameIsAFolder";
        case WriteFailure::ReadOnlyFolder:
            return "ReadOnlyFolder";
        case WriteFailure::NoRoomForTheWhole:
            return "NoRoomForTheWhole";
    }
    return "unknown";
}

FailingTarget::FailingTarget(WriteFailure failure) : failure_(failure) {
    const QDir root(folder_.path());
    switch (failure) {
        case WriteFailure::ParentIsAFile:
            writeExisting(existingFile());
            target_ = existingFile() + "/curves.csv";
            break;
        case WriteFailure::NameIsAFolder:
            writeExisting(existingFile());
            target_ = root.filePath("curves.csv");
            root.mkdir("curves.csv");
            break;
        case WriteFailure::ReadOnlyFolder:
            root.mkdir("locked");
            writeExisting(existingFile());
            QFile::setPermissions(root.filePath("locked"), QFile::ReadOwner | QFile::ExeOwner |
                                                               QFile::ReadGroup | QFile::ExeGroup |
                                                               QFile::ReadOther | QFile::ExeOther);
            target_ = existingFile();
            break;
        case WriteFailure::NoRoomForTheWhole:
            writeExisting(existingFile());
            target_ = existingFile();
            break;
    }
}

FailingTarget::~FailingTarget() {
    disarm();
    // The locked folder must open again for the temporary folder to go.
    QFile::setPermissions(QDir(folder_.path()).filePath("locked"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QString FailingTarget::existingFile() const {
    const QDir root(folder_.path());
    return failure_ == WriteFailure::ReadOnlyFolder ? root.filePath("locked/existing.csv")
                                                    : root.filePath("existing.csv");
}

QStringList FailingTarget::entries() const {
    QStringList names;
    QDirIterator it(folder_.path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        names << QDir(folder_.path()).relativeFilePath(it.next());
    }
    names.sort();
    return names;
}

void FailingTarget::arm() {
    if (failure_ == WriteFailure::ReadOnlyFolder) {
        withoutOverride_.emplace();
    } else if (failure_ == WriteFailure::NoRoomForTheWhole) {
        sizeLimit_.emplace();
    }
}

void FailingTarget::disarm() {
    withoutOverride_.reset();
    sizeLimit_.reset();
}

}  // namespace tessaron::test
