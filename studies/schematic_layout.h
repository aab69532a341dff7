// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>

#include "engine/topologies.h"
#include "studies/schematic_scene.h"
#include "studies/shown_values.h"

namespace tessaron {

struct SchematicOptions {
    TextMetrics metrics = fixedAdvanceMetrics();
    // Scene units per grid step at least; more where a text needs it, so
    // that every text fits beside its symbol whatever the font.
    double minimumPitch = 10;
    // Stages go on one row while it stays this wide (scene units), then the
    // next stage begins a row below; 0 keeps every stage on one row. A stage
    // wider than this still gets a row of its own.
    double maxRowWidth = 0;
};

// The whole cascade drawn from the topology's layout table, stage after
// stage from the input terminal on the left to the output terminal on the
// right, each part with its designator and its value as shown (`parts`, one
// per value of the design, stage after stage). A wrapped row is fed from the
// end of the row above by a wire run in the gap between them.
Scene schematicScene(TopologyKind topology, std::span<const ShownPart> parts,
                     const SchematicOptions& options = {});

}  // namespace tessaron
