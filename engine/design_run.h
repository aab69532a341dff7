#pragma once

#include <functional>
#include <string>

#include "analysis/plot_series.h"
#include "analysis/report_sink.h"
#include "engine/coefficient_tables.h"
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
};

// One "Calc": read, header, size and report each stage, sweep. Any arithmetic
// fault or numeric-component error ends the run where it happens and propagates;
// the report then holds the header and the complete blocks before the fault.
void runDesign(const DesignEngine& engine, const DesignTab& tab, int method, FilterFamily family,
               int order);

}  // namespace tessaron
