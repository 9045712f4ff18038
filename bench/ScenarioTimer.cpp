// SPDX-License-Identifier: MIT
#include "ScenarioTimer.h"

#include <algorithm>
#include <chrono>
#include <vector>

namespace quorvane::bench {

void TimeScenario(benchmark::State& state, UserActions& user, const ActionScenario& scenario,
                  const std::function<void()>& settle)
{
    using Clock = std::chrono::steady_clock;
    std::vector<double> micros;
    micros.reserve(1 << 16);
    for (auto _ : state) {
        if (scenario.reset) {
            scenario.reset(user);
            settle();
        }
        const Clock::time_point start = Clock::now();
        scenario.action(user);
        settle();
        const std::chrono::duration<double> elapsed = Clock::now() - start;
        state.SetIterationTime(elapsed.count());
        micros.push_back(elapsed.count() * 1e6);
    }
    if (micros.empty()) return;
    std::sort(micros.begin(), micros.end());
    const auto p99 = static_cast<std::size_t>(0.99 * static_cast<double>(micros.size() - 1));
    state.counters["p99_us"] = micros[p99];
    state.counters["max_us"] = micros.back();
}

} // namespace quorvane::bench
