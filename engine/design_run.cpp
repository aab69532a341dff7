// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/design_run.h"

#include <array>
#include <span>
#include <stdexcept>

#include "analysis/report.h"
#include "analysis/sweep.h"
#include "engine/sized_stages.h"
#include "mathlib/fp_guard.h"

namespace tessaron {
namespace {

// The sized stages as the sweep sees them.
template <Topology T>
class CascadeOf {
  public:
    using Stages = StageArray<T>;
    CascadeOf(TMathLib& math, const Stages& stages, int count)
        : math_(math), stages_(stages), count_(count) {}

    void prepare() {
        for (std::size_t i = 0; i < static_cast<std::size_t>(count_); ++i) {
            responses_[i] = T::response(stages_[i]);
        }
    }
    int stageCount() const { return count_; }
    template <Caller E>
    void evaluate(int i, const Complex& s, Complex& h) {
        T::template evaluate<E>(math_, responses_[static_cast<std::size_t>(i)], s, h);
    }

  private:
    TMathLib& math_;
    const Stages& stages_;
    int count_;
    std::array<typename T::Response, kMaxStages> responses_{};
};

template <Topology T>
void run(const DesignEngine& engine, const DesignTab& tab, int method, FilterFamily family,
         int order) {
    StageArray<T> stages{};
    tab.readInputs();
    appendReportHeader(tab.report, method);

    const DesignRequest& request = engine.request;
    int n = 0;
    {
        fp::Guard guard;
        n = sizeStages<T>(engine.tables, request, method, family, order, stages,
                          [&](int i, const typename T::Stage& stage) {
                              const StageFigures figures = T::figures(stage);
                              appendStageBlock(tab.report, i, T::componentLines(stage),
                                               figures.naturalFrequency, figures.quality,
                                               engine.decimalSeparator);
                          });

        CascadeOf<T> cascade{engine.math, stages, n};
        sweepCascade(engine.math, request.Fc, cascade, tab.response);
    }

    // The listener is not ours: it runs as any foreign code does, never under
    // the run's masked word, even when the run itself is called in a Guard.
    if (tab.completed) {
        const DesignParts parts = designParts<T>(
            request.Fc,
            std::span<const typename T::Stage>(stages.data(), static_cast<std::size_t>(n)));
        fp::ForeignCall foreign;
        tab.completed(parts);
    }
}

}  // namespace

void runDesign(const DesignEngine& engine, const DesignTab& tab, int method, FilterFamily family,
               int order) {
    if (method != 1 && method != 2) {
        throw std::invalid_argument("Sizing method must be 1 or 2");
    }
    withTopology(tab.topology, [&]<Topology T>() { run<T>(engine, tab, method, family, order); });
}

}  // namespace tessaron
