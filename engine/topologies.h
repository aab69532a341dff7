// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <concepts>
#include <cstddef>
#include <stdexcept>
#include <string_view>

#include "engine/multiple_feedback.h"
#include "engine/passive.h"
#include "engine/sallen_key.h"
#include "engine/topology.h"

namespace tessaron {

template <Topology... T>
struct TopologyList {
    static constexpr std::size_t size = sizeof...(T);
};

// Every topology the program designs, in the order of the window's tabs. A
// further topology is its own file and its name here.
using Topologies = TopologyList<MultipleFeedback, SallenKey, Passive>;

// A topology chosen at run time: its place in Topologies. An int, so that a
// Qt signal can carry it.
enum class TopologyKind : int {};

namespace detail {

template <class T, Topology First, Topology... Rest>
constexpr std::size_t indexOf(TopologyList<First, Rest...>) {
    if constexpr (std::same_as<T, First>) {
        return 0;
    } else {
        static_assert(sizeof...(Rest) > 0, "not one of Topologies");
        return 1 + indexOf<T>(TopologyList<Rest...>{});
    }
}

template <class F, Topology First, Topology... Rest>
decltype(auto) visit(std::size_t index, F& f, TopologyList<First, Rest...>) {
    if (index == 0) {
        return f.template operator()<First>();
    }
    if constexpr (sizeof...(Rest) > 0) {
        return visit(index - 1, f, TopologyList<Rest...>{});
    } else {
        throw std::out_of_range("No topology of that kind");
    }
}

}  // namespace detail

// The kind of the topology T.
template <Topology T>
inline constexpr TopologyKind kindOf{static_cast<int>(detail::indexOf<T>(Topologies{}))};

// Runs f.template operator()<T>() for the topology T of `kind` and returns
// its result.
template <class F>
decltype(auto) withTopology(TopologyKind kind, F&& f) {
    return detail::visit(static_cast<std::size_t>(kind), f, Topologies{});
}

// The topology's kName.
inline std::string_view nameOf(TopologyKind kind) {
    return withTopology(kind, []<Topology T>() { return std::string_view(T::kName); });
}

// Whether the topology's stage is built round an op-amp.
inline bool hasOpAmp(TopologyKind kind) {
    return withTopology(kind, []<Topology T>() { return T::kOpAmp.has_value(); });
}

// Where the reader puts a tab's stage fields, for the topology of the tab.
inline const StageFields& stageFieldsOf(TopologyKind kind) {
    return *withTopology(kind, []<Topology T>() { return &T::kStageFields; });
}

}  // namespace tessaron
