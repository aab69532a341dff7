// SPDX-License-Identifier: GPL-3.0-or-later

#include "mathlib/math_errors.h"

namespace tessaron {

// The runtime library's own texts, shown as they are by the top-level handler.
EZeroDivide::EZeroDivide() : EMathError("0 による浮動小数点数除算") {}
EOverflow::EOverflow() : EMathError("浮動小数点数のオーバーフロー") {}
EUnderflow::EUnderflow() : EMathError("浮動小数点数のアンダーフロー") {}
EInvalidOp::EInvalidOp() : EMathError("不正な浮動小数点数演算命令") {}

}  // namespace tessaron
