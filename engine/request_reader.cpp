// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/request_reader.h"

#include <string>

#include "engine/number_text.h"
#include "mathlib/fp_guard.h"

namespace tessaron {

void readRequest(const StageFields& stageFields, const FieldTexts& fields,
                 std::string_view decimalSeparator, DesignRequest& request, MessageSink& messages) {
    const auto read = [&](const std::string& text, std::string_view message) -> Extended {
        if (const auto value = parseNumber(text, decimalSeparator)) {
            return *value;
        }
        messages.showMessage(message);
        return 0;
    };

    fp::Guard guard;
    request.Fc = read(fields.fc, "Cannot convert fc.");
    request.Omega = fp::checked(request.Fc * kTwoPi);

    const auto& [firstField, secondField] = stageFields;
    auto& first = request.*firstField.given;
    auto& second = request.*secondField.given;
    first[0] = read(fields.first[0], firstField.conversionMessage);
    second[0] = read(fields.second[0], secondField.conversionMessage);
    // A stage left at 0 repeats stage 0: one value typed on "Unit0" serves all.
    for (std::size_t i = 1; i < kMaxStages; ++i) {
        const Extended a = read(fields.first[i], firstField.conversionMessage);
        const Extended b = read(fields.second[i], secondField.conversionMessage);
        first[i] = a == 0 ? first[0] : a;
        second[i] = b == 0 ? second[0] : b;
    }
}

}  // namespace tessaron
