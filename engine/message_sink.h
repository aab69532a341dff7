#pragma once

#include <string_view>

namespace tessaron {

// Shows a conversion message and returns when the user has dismissed it.
class MessageSink {
  public:
    virtual ~MessageSink() = default;
    virtual void showMessage(std::string_view text) = 0;
};

}  // namespace tessaron
