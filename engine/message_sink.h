// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

#include "mathlib/fp_guard.h"

namespace tessaron {

// Shows a conversion message and returns when the user has dismissed it. The
// reader calls it from inside its Guard; whatever shows the message runs as a
// foreign call (mathlib/fp_guard.h), so a box and its event loop leave no flag
// that the reader's next check would take for its own.
class MessageSink {
  public:
    virtual ~MessageSink() = default;
    void showMessage(std::string_view text) {
        fp::ForeignCall foreign;
        doShowMessage(text);
    }

  private:
    virtual void doShowMessage(std::string_view text) = 0;
};

}  // namespace tessaron
