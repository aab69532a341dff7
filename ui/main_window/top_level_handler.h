// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <exception>
#include <optional>

#include "ui/files/dialogs.h"
#include "ui/files/error_text.h"

namespace tessaron {

// The application's top-level handler: every handler of the window runs in
// here, so no exception reaches the event loop; its message goes to an error
// box and the window carries on. Returns the error box's text if the handler
// failed.
template <typename Handler>
std::optional<QString> runHandled(UserDialogs& dialogs, Handler&& handler) {
    QString text;
    try {
        handler();
        return std::nullopt;
    } catch (const std::exception& error) {
        // Arithmetic faults and the numeric component's errors (EMathError) above all.
        text = errorBoxText(error.what());
    } catch (...) {
        // Nothing of ours throws anything else; still, the event loop must never
        // see an exception.
        text = errorBoxText("Unknown error");
    }
    dialogs.showError(text);
    return text;
}

}  // namespace tessaron
