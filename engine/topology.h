// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <concepts>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <tuple>

#include "analysis/report.h"
#include "engine/biquad.h"
#include "engine/coefficient_tables.h"
#include "engine/design_request.h"
#include "engine/part.h"
#include "mathlib/math_lib.h"

namespace tessaron {

// One of the two value fields on each stage page of a tab: the request array
// the reader stores its values in, and the message it shows when the text is
// not a number.
struct StageField {
    std::array<Extended, kMaxStages> DesignRequest::*given;
    std::string_view conversionMessage;  // "Cannot convert RX."
};

// The first and the second field of a stage page. Method m fixes the
// component of field m: "Fix Rx" the first field's, "Fix C2" the second's.
using StageFields = std::array<StageField, 2>;

// What the report shows of a stage, recomputed from its components.
struct StageFigures {
    Extended naturalFrequency;  // Hz
    Extended quality;
};

namespace detail {

template <class T>
concept ComponentLineArray = std::same_as<T, std::array<ComponentLine, std::tuple_size_v<T>>> &&
    (std::tuple_size_v<T> != 0);

template <class T>
inline constexpr std::size_t kPartCount = std::tuple_size_v<decltype(T::kParts)>;

}  // namespace detail

// A circuit a tab designs, second-order stage by stage:
//  - kName, the topology's name in traces and benchmark labels, and kFileStem,
//    how the names of its result files begin;
//  - kStageFields, where the reader puts the page's two fields (and so which
//    component each method is given);
//  - Stage, the component values of one stage, zero when default-constructed;
//  - size(method, prototype, omega, given): the stage sized by a method to the
//    prototype's Q and natural frequency omega * FrequencyFactor;
//  - figures(stage): its natural frequency and Q, recomputed from the components;
//  - componentLines(stage): the report's component lines, a fixed number of them;
//  - response(stage) and evaluate<E>(math, response, s, h): what the sweep needs
//    to write the stage's H(s) into h with the numeric component's functions;
//  - kParts, kInnerNodes, kOpAmp, partValues(stage) and biquad(values): the
//    stage in double for the studies beside the exact design: its circuit (the
//    parts as the report names them with the nodes they join, the names of its
//    inner nodes and, on an active stage, the op-amp's pins), the parts' values
//    in that order and response() from such values.
template <class T>
concept Topology = requires(const typename T::Stage& stage, const typename T::Response& response,
                            const StageCoefficients& prototype, Extended value, TMathLib& math,
                            const Complex& s, Complex& h,
                            std::span<const double, detail::kPartCount<T>> parts) {
    { T::kName } -> std::convertible_to<std::string_view>;
    { T::kFileStem } -> std::convertible_to<std::string_view>;
    { T::kStageFields } -> std::convertible_to<const StageFields&>;
    requires std::default_initializable<typename T::Stage>;
    { T::size(1, prototype, value, value) } -> std::same_as<typename T::Stage>;
    { T::figures(stage) } -> std::same_as<StageFigures>;
    { T::componentLines(stage) } -> detail::ComponentLineArray;
    requires std::default_initializable<typename T::Response>;
    { T::response(stage) } -> std::same_as<typename T::Response>;
    T::template evaluate<Caller::Any>(math, response, s, h);
    T::template evaluate<Caller::QuietLoop>(math, response, s, h);
    { T::kParts } -> std::convertible_to<std::span<const PartSpec>>;
    { T::kInnerNodes } -> std::convertible_to<std::span<const std::string_view>>;
    { T::kOpAmp } -> std::convertible_to<std::optional<OpAmpPins>>;
    { T::partValues(stage) } -> std::same_as<std::array<Extended, detail::kPartCount<T>>>;
    { T::biquad(parts) } -> std::same_as<Biquad>;
};

// The value a method is given for a stage: the stage's value of the method's field.
template <Topology T>
Extended givenValue(const DesignRequest& request, int method, int stage) {
    const StageField& field = T::kStageFields[static_cast<std::size_t>(method - 1)];
    return (request.*field.given)[static_cast<std::size_t>(stage)];
}

}  // namespace tessaron
