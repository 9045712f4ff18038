// SPDX-License-Identifier: MIT
// The calculator and its handlers on the headless window, per user action.
#include "ActionScenarios.h"
#include "FieldModel.h"
#include "Program.h"
#include "ScenarioTimer.h"

#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    using namespace quorvane;
    for (const bench::ActionScenario& scenario : bench::ActionScenarios()) {
        benchmark::RegisterBenchmark(("model: " + scenario.name).c_str(),
                                     [scenario](benchmark::State& state) {
                                         const bench::ActionScenario fresh = scenario;
                                         FieldModel window;
                                         Program program(window);
                                         fresh.prepare(window);
                                         bench::TimeScenario(state, window, fresh, [] {});
                                     })
            ->UseManualTime()
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
