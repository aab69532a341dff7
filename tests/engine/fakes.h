// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "analysis/plot_series.h"
#include "analysis/report_sink.h"
#include "engine/message_sink.h"

namespace tessaron::testing {

struct RecordingReport : ReportSink {
    std::vector<std::string> lines;
    void doAppendLine(std::string_view line) override { lines.emplace_back(line); }
};

struct RecordingMessages : MessageSink {
    std::vector<std::string> shown;
    void doShowMessage(std::string_view text) override { shown.emplace_back(text); }
};

// Keeps what a chart would show, and counts how the run handed it over.
struct StoredSeries : PlotSeries {
    std::vector<PlotPoint> points;
    int clears = 0;
    int handOvers = 0;
    void doClear() override {
        points.clear();
        ++clears;
    }
    void doSetPoints(std::vector<PlotPoint> newPoints) override {
        points = std::move(newPoints);
        ++handOvers;
    }
};

}  // namespace tessaron::testing
