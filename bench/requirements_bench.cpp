// SPDX-License-Identifier: GPL-3.0-or-later

// The Requirements window after a keystroke: the nine candidates with their
// step and delay figures, alone and with the reading of the fields and the
// chart, for requirements an engineer might type (fp 1 kHz, Ap 1 dB, fs 4 kHz,
// As 40 dB, overshoot at most 5 %, delay variation at most 10 %).
#include <benchmark/benchmark.h>

#include "bench/filled_tables.h"
#include "studies/candidate_table.h"
#include "studies/requirements_study.h"

namespace tessaron {
namespace {

void BM_CandidateTable(benchmark::State& state) {
    const Requirements requirements{1000, 1, 4000, 40, 5.0, 10.0};
    for (auto _ : state) {
        std::vector<Candidate> table = candidateTable(filledTables(), requirements);
        benchmark::DoNotOptimize(table.data());
    }
}
BENCHMARK(BM_CandidateTable)->Unit(benchmark::kMillisecond);

void BM_RequirementsStudy(benchmark::State& state) {
    const RequirementTexts texts{"1 kHz", "1 dB", "4 kHz", "40 dB", "5 %", "10 %"};
    for (auto _ : state) {
        RequirementsStudy study = studyRequirements(filledTables(), texts, ".");
        benchmark::DoNotOptimize(study.candidates.data());
    }
}
BENCHMARK(BM_RequirementsStudy)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessaron

BENCHMARK_MAIN();
