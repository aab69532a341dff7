#include "engine/request_reader.h"

#include <string>

#include "engine/number_text.h"
#include "mathlib/fp_guard.h"

namespace tessaron {
namespace {

// Where a tab's two stage fields go and what their messages say.
struct StageFieldUse {
    std::array<Extended, kMaxStages> DesignRequest::*first;
    std::array<Extended, kMaxStages> DesignRequest::*second;
    const char* firstMessage;
    const char* secondMessage;
};

StageFieldUse fieldUse(TopologyKind topology) {
    if (topology == TopologyKind::Passive) {
        return {&DesignRequest::GivenInductance, &DesignRequest::GivenCapacitance,
                "Cannot convert L.", "Cannot convert C."};
    }
    return {&DesignRequest::GivenResistance, &DesignRequest::GivenCapacitance, "Cannot convert RX.",
            "Cannot convert C2."};
}

}  // namespace

void readRequest(TopologyKind topology, const FieldTexts& fields, std::string_view decimalSeparator,
                 DesignRequest& request, MessageSink& messages) {
    const StageFieldUse use = fieldUse(topology);
    const auto read = [&](const std::string& text, const char* message) -> Extended {
        if (const auto value = parseNumber(text, decimalSeparator)) {
            return *value;
        }
        messages.showMessage(message);
        return 0;
    };

    fp::Guard guard;
    request.Fc = read(fields.fc, "Cannot convert fc.");
    request.Omega = fp::checked(request.Fc * kTwoPi);

    auto& first = request.*use.first;
    auto& second = request.*use.second;
    first[0] = read(fields.first[0], use.firstMessage);
    second[0] = read(fields.second[0], use.secondMessage);
    // A stage left at 0 repeats stage 0: one value typed on "Unit0" serves all.
    for (std::size_t i = 1; i < kMaxStages; ++i) {
        const Extended a = read(fields.first[i], use.firstMessage);
        const Extended b = read(fields.second[i], use.secondMessage);
        first[i] = a == 0 ? first[0] : a;
        second[i] = b == 0 ? second[0] : b;
    }
}

}  // namespace tessaron
