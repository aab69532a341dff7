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
    void appendLine(std::string_view line) override { lines.emplace_back(line); }
};

struct RecordingMessages : MessageSink {
    std::vector<std::string> shown;
    void showMessage(std::string_view text) override { shown.emplace_back(text); }
};

// Keeps what a chart would show, and counts how the run handed it over.
struct StoredSeries : PlotSeries {
    std::vector<PlotPoint> points;
    int clears = 0;
    int handOvers = 0;
    void clear() override {
        points.clear();
        ++clears;
    }
    void setPoints(std::vector<PlotPoint> newPoints) override {
        points = std::move(newPoints);
        ++handOvers;
    }
};

}  // namespace tessaron::testing
