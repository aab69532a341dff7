// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tessaron {

enum class OpAmpKind { Ideal, Real };

inline constexpr double kDefaultDcGainDb = 100;
inline constexpr double kDefaultGbwHz = 1e6;

// The op-amp of every active stage. Ideal is the infinite gain the design
// assumes; Real is the dominant-pole open loop
//   A(s) = A0 / (1 + s A0 / (2 pi GBW)),
// A0 = 10^(dcGainDb / 20), with a common-mode capacitance from each input to
// ground.
struct OpAmpModel {
    OpAmpKind kind = OpAmpKind::Ideal;
    double gbwHz = kDefaultGbwHz;
    double dcGainDb = kDefaultDcGainDb;
    double inputCapacitancePf = 0;

    bool ideal() const { return kind == OpAmpKind::Ideal; }
    double dcGain() const;            // A0 as a ratio
    double poleRadPerSecond() const;  // 2 pi GBW / A0, where the open loop turns down
    double inputCapacitance() const;  // in F
};

// Why a value cannot be used for the model, in words the window shows beside
// its field, or nothing when it can: a GBW must be a finite number above 0 Hz,
// A0 within 0 to 200 dB, the input capacitance finite and not negative.
std::optional<std::string> gbwProblem(double hz);
std::optional<std::string> dcGainProblem(double db);
std::optional<std::string> inputCapacitanceProblem(double pf);

// The first problem of a Real model's fields; an Ideal model has none.
std::optional<std::string> modelProblem(const OpAmpModel& model);

// A field's text read as the exact path reads its fields (parseNumber, the
// given decimal separator) and checked as above: the value, or why not. The
// GBW is a frequency an engineer writes with its prefix ("10 MHz", "2.2M",
// readQuantity), as the window shows it.
struct FieldReading {
    std::optional<double> value;
    std::string problem;  // empty when there is a value
};
FieldReading readGbwField(std::string_view text, std::string_view decimalSeparator);
FieldReading readDcGainField(std::string_view text, std::string_view decimalSeparator);
FieldReading readInputCapacitanceField(std::string_view text, std::string_view decimalSeparator);

}  // namespace tessaron
