// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>

#include "engine/coefficient_tables.h"
#include "engine/design_parts.h"
#include "engine/design_request.h"
#include "engine/topologies.h"
#include "studies/design_file_name.h"

namespace tessaron {

// A tab's last "Calc", as the companion windows follow it.
struct TabDesign {
    TopologyKind topology;
    int method;
    FilterFamily family;
    int order;
    DesignRequest request;             // as the tab's reader filled it for this run
    std::optional<DesignParts> parts;  // empty when the run stopped
    QString stopReason;                // the error box's text when it stopped, else empty
};

// What names a design's files.
inline DesignSummary designSummary(const TabDesign& design) {
    return {design.topology, design.family, design.order, design.request.Fc};
}

}  // namespace tessaron
