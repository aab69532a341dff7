// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "engine/coefficient_tables.h"
#include "engine/topologies.h"
#include "mathlib/extended.h"

namespace tessaron {

// What a completed design was, enough to name the files of its results.
struct DesignSummary {
    TopologyKind topology;
    FilterFamily family;
    int order;
    Extended fc;
};

// "mfb", "sallen-key" or "passive": what a tab's files are called before any
// design has completed there.
std::string topologyFileStem(TopologyKind topology);

// "mfb-butterworth-4th-1kHz": the topology, family, order and cutoff, the
// cutoff to six significant digits with an SI prefix ("u" for micro). Only
// ASCII letters, digits, '-', '+' and '.' appear, so the stem is a valid name
// on every file system.
std::string designFileStem(const DesignSummary& design);

}  // namespace tessaron
