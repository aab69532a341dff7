// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <string_view>

namespace tessaron {

// The text of the error box: the exception's UTF-8 message, with a full stop
// appended when its last character sorts after "." (so "...: x" and Japanese
// texts get one, while texts ending in "." or a quotation mark stay as they are).
QString errorBoxText(std::string_view message);

}  // namespace tessaron
