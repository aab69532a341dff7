// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <string>

#include "analysis/plot_series.h"
#include "analysis/report_sink.h"
#include "engine/coefficient_tables.h"
#include "engine/design_parts.h"
#include "engine/design_request.h"
#include "engine/topologies.h"
#include "mathlib/math_lib.h"

namespace tessaron {

// What every run shares: the numeric component, the tables, the one request and
// the locale's decimal separator.
struct DesignEngine {
    TMathLib& math;
    const CoefficientTables& tables;
    DesignRequest& request;
    std::string decimalSeparator = ".";
};

// What one tab plugs into a run.
struct DesignTab {
    TopologyKind topology;
    std::function<void()> readInputs;  // the tab's input reader, filling engine.request
    ReportSink& report;
    ResponseSeries response;  // the design's own series of the tab's two charts
    // Told of every run that handed over its points, with the sized stages in
    // double: the companion windows follow the tab's last design through it.
    std::function<void(const DesignParts&)> completed = {};
};

// One "Calc": read, header, size and report each stage, sweep. Any arithmetic
// fault or numeric-component error ends the run where it happens and propagates;
// the report then holds the header and the complete blocks before the fault.
void runDesign(const DesignEngine& engine, const DesignTab& tab, int method, FilterFamily family,
               int order);

}  // namespace tessaron
