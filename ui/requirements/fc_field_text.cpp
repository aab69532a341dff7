// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/requirements/fc_field_text.h"

#include "studies/printed_text.h"

namespace tessaron {

QString fcFieldText(double fc, std::string_view decimalSeparator) {
    return QString::fromStdString(printed(decimalSeparator, "%.17g", fc));
}

}  // namespace tessaron
