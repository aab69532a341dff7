// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace tessaron {

// How the '\n' of the bytes reach the file.
enum class LineEndings {
    Unix,      // as they are
    Platform,  // "\r\n" on Windows
};

// Writes `bytes` to `path` all or nothing: into a new file beside it that then
// replaces the old one, so a write that fails (no room, no right to write, a
// folder of that name) leaves any existing file as it was and no partial file
// behind. Returns the reason of a failure, as the system gives it.
std::optional<QString> writeFileAtomically(const QString& path, const QByteArray& bytes,
                                           LineEndings lineEndings);

}  // namespace tessaron
