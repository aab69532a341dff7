// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace tessaron {

// Floating-point faults and the numeric component's domain errors. The texts are
// UTF-8; the runtime's own messages are Japanese.
class EMathError : public std::runtime_error {
  public:
    explicit EMathError(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

class EZeroDivide : public EMathError {
  public:
    EZeroDivide();
};

class EOverflow : public EMathError {
  public:
    EOverflow();
};

class EUnderflow : public EMathError {
  public:
    EUnderflow();
};

class EInvalidOp : public EMathError {
  public:
    EInvalidOp();
};

// Errors raised by TMathLib itself. The upper 16 bits of ErrorCode name the
// function group (1 real, 3 complex), the lower 16 bits the error in the group.
class EMathLib : public EMathError {
  public:
    EMathLib(const std::string& message, std::uint32_t errorCode)
        : EMathError(message), ErrorCode(errorCode) {}
    std::uint32_t ErrorCode;
};

class ERealError : public EMathLib {
  public:
    using EMathLib::EMathLib;
};

class EComplexError : public EMathLib {
  public:
    using EMathLib::EMathLib;
};

}  // namespace tessaron
