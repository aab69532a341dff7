// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <string_view>

namespace tessaron {

// A candidate's fc as a tab's fc field takes it: plain hertz in 17
// significant digits with the reports' decimal separator, "1252.7113894561215".
// The table's six digits would move the design off its balance by up to a
// few parts in a million; these read back, through the field's extended
// reader, as the very double the table was computed with.
QString fcFieldText(double fc, std::string_view decimalSeparator);

}  // namespace tessaron
