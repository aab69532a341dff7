// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/files/atomic_file.h"

#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace tessaron {

std::optional<QString> writeFileAtomically(const QString& path, const QByteArray& bytes,
                                           LineEndings lineEndings) {
    QSaveFile file(path);
    // Unbuffered: a buffered rest that fails to reach the disk inside commit()
    // still lets commit() put the truncated file in place (Qt 6.4), so every
    // byte is written, and checked, before it.
    QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::Unbuffered;
    if (lineEndings == LineEndings::Platform) {
        mode |= QIODevice::Text;
    }
    if (!file.open(mode)) {
        return file.errorString();
    }
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        // A write cut short (a full disk, a size limit) is not an error to Qt;
        // the system's reason is that of the write that failed after it.
        const int systemError = errno;
        const QString reason = file.error() != QFileDevice::NoError || systemError == 0
                                   ? file.errorString()
                                   : QString::fromLocal8Bit(std::strerror(systemError));
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
}

}  // namespace tessaron
