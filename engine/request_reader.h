// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/coefficient_tables.h"
#include "engine/design_request.h"
#include "engine/message_sink.h"
#include "engine/topology.h"

namespace tessaron {

// The nine texts of a tab: "fc", then each stage's first and second field
// ("R1, R2, R3"/"R1, R2"/"L" and "C2"/"C").
struct FieldTexts {
    std::string fc = "0";
    std::array<std::string, kMaxStages> first{"0", "0", "0", "0"};
    std::array<std::string, kMaxStages> second{"0", "0", "0", "0"};
};

// Converts a tab's fields into `request`, each stage field into the array its
// topology's `stageFields` names, showing one message per unreadable field in
// field order and reading it as 0; a 0 on stages 1-3 takes stage 0's value.
void readRequest(const StageFields& stageFields, const FieldTexts& fields,
                 std::string_view decimalSeparator, DesignRequest& request, MessageSink& messages);

}  // namespace tessaron
