// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/opamp_model.h"

#include <cmath>
#include <limits>
#include <numbers>

#include "engine/number_text.h"
#include "mathlib/fp_guard.h"
#include "studies/quantity_text.h"

namespace tessaron {
namespace {

constexpr double kHighestDcGainDb = 200;

template <class Check>
FieldReading readField(std::string_view text, std::string_view decimalSeparator,
                       std::string_view what, Check check) {
    fp::Guard guard;
    const std::optional<Extended> number = parseNumber(text, decimalSeparator);
    if (!number) {
        return {std::nullopt, "The " + std::string(what) + " is not a number."};
    }
    // Beyond the range of double it becomes an infinity, which the check names.
    const auto value = static_cast<double>(*number);
    if (auto problem = check(value)) {
        return {std::nullopt, std::move(*problem)};
    }
    return {value, {}};
}

}  // namespace

double OpAmpModel::dcGain() const {
    return std::pow(10.0, dcGainDb / 20);
}

double OpAmpModel::poleRadPerSecond() const {
    return 2 * std::numbers::pi * gbwHz / dcGain();
}

double OpAmpModel::inputCapacitance() const {
    return inputCapacitancePf * 1e-12;
}

std::optional<std::string> gbwProblem(double hz) {
    if (std::isnan(hz)) {
        return "The gain-bandwidth product is not a number.";
    }
    if (hz <= 0) {
        return "The gain-bandwidth product must be above 0 Hz.";
    }
    if (std::isinf(hz)) {
        return "The gain-bandwidth product must be finite; choose the ideal op-amp instead.";
    }
    return std::nullopt;
}

std::optional<std::string> dcGainProblem(double db) {
    if (std::isnan(db)) {
        return "The DC gain is not a number.";
    }
    if (!(db >= 0 && db <= kHighestDcGainDb)) {
        return "The DC gain must lie between 0 and 200 dB.";
    }
    return std::nullopt;
}

std::optional<std::string> inputCapacitanceProblem(double pf) {
    if (std::isnan(pf)) {
        return "The input capacitance is not a number.";
    }
    if (pf < 0) {
        return "The input capacitance cannot be negative.";
    }
    if (std::isinf(pf)) {
        return "The input capacitance must be finite.";
    }
    return std::nullopt;
}

std::optional<std::string> modelProblem(const OpAmpModel& model) {
    if (model.ideal()) {
        return std::nullopt;
    }
    if (auto problem = gbwProblem(model.gbwHz)) {
        return problem;
    }
    if (auto problem = dcGainProblem(model.dcGainDb)) {
        return problem;
    }
    return inputCapacitanceProblem(model.inputCapacitancePf);
}

FieldReading readGbwField(std::string_view text, std::string_view decimalSeparator) {
    const Quantity q = readQuantity(text, kFrequencyForm, decimalSeparator);
    if (q.fault == QuantityFault::Empty || q.fault == QuantityFault::NotANumber) {
        return {std::nullopt, "The gain-bandwidth product is not a number."};
    }
    // Beyond the range of double it is an infinity, which the check names.
    const double hz =
        q.fault == QuantityFault::TooLarge ? std::numeric_limits<double>::infinity() : q.value;
    if (auto problem = gbwProblem(hz)) {
        return {std::nullopt, std::move(*problem)};
    }
    return {hz, {}};
}

FieldReading readDcGainField(std::string_view text, std::string_view decimalSeparator) {
    return readField(text, decimalSeparator, "DC gain", dcGainProblem);
}

FieldReading readInputCapacitanceField(std::string_view text, std::string_view decimalSeparator) {
    return readField(text, decimalSeparator, "input capacitance", inputCapacitanceProblem);
}

}  // namespace tessaron
