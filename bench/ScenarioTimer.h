// SPDX-License-Identifier: MIT
#pragma once

#include "ActionScenarios.h"

#include <benchmark/benchmark.h>

#include <functional>

namespace quorvane::bench {

// Times the scenario's action once per iteration, with `settle` (the window's
// pending layout and paint, if any) counted as part of the action. Reports the
// mean as the time, and the 99th percentile and the maximum as counters.
void TimeScenario(benchmark::State& state, UserActions& user, const ActionScenario& scenario,
                  const std::function<void()>& settle);

} // namespace quorvane::bench
