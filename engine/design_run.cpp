#include "engine/design_run.h"

#include <array>
#include <stdexcept>

#include "analysis/report.h"
#include "analysis/sweep.h"
#include "engine/multiple_feedback.h"
#include "engine/passive.h"
#include "engine/sallen_key.h"
#include "mathlib/fp_guard.h"

namespace tessaron {
namespace {

// The sized stages as the sweep sees them.
template <class Topology>
class CascadeOf {
  public:
    using Stages = std::array<typename Topology::Stage, kMaxStages>;
    CascadeOf(TMathLib& math, const Stages& stages, int count)
        : math_(math), stages_(stages), count_(count) {}

    void prepare() {
        for (std::size_t i = 0; i < static_cast<std::size_t>(count_); ++i) {
            responses_[i] = Topology::response(stages_[i]);
        }
    }
    int stageCount() const { return count_; }
    template <Caller E>
    void evaluate(int i, const Complex& s, Complex& h) {
        Topology::template evaluate<E>(math_, responses_[static_cast<std::size_t>(i)], s, h);
    }

  private:
    TMathLib& math_;
    const Stages& stages_;
    int count_;
    std::array<typename Topology::Response, kMaxStages> responses_{};
};

template <class Topology>
void run(const DesignEngine& engine, const DesignTab& tab, int method, int family, int order) {
    std::array<typename Topology::Stage, kMaxStages> stages{};
    tab.readInputs();
    appendReportHeader(tab.report, method);

    const int n = stageCount(order);
    fp::Guard guard;
    const DesignRequest& request = engine.request;
    for (int i = 0; i < n; ++i) {
        const StageCoefficients& prototype = engine.tables.Lookup(family, order, i);
        auto& stage = stages[static_cast<std::size_t>(i)];
        stage = Topology::size(method, prototype, request.Omega,
                               Topology::givenValue(request, method, i));
        const StageFigures figures = Topology::figures(stage);
        appendStageBlock(tab.report, i, Topology::componentLines(stage), figures.naturalFrequency,
                         figures.quality, engine.decimalSeparator);
    }

    CascadeOf<Topology> cascade{engine.math, stages, n};
    sweepCascade(engine.math, request.Fc, cascade, tab.gain, tab.phase);
}

}  // namespace

void runDesign(const DesignEngine& engine, const DesignTab& tab, int method, int family,
               int order) {
    if (method != 1 && method != 2) {
        throw std::invalid_argument("Sizing method must be 1 or 2");
    }
    switch (tab.topology) {
        case TopologyKind::MultipleFeedback:
            return run<MultipleFeedback>(engine, tab, method, family, order);
        case TopologyKind::SallenKey:
            return run<SallenKey>(engine, tab, method, family, order);
        case TopologyKind::Passive:
            return run<Passive>(engine, tab, method, family, order);
    }
}

}  // namespace tessaron
