// SPDX-License-Identifier: MIT
// The same user actions on the real window, shown offscreen, with real key and
// mouse events. Each timed action includes the layout and painting it causes.
#include "ActionScenarios.h"
#include "ScenarioTimer.h"
#include "StartedWindow.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QTest>

namespace {

using namespace quorvane;

// Runs the scenario on a new window; `extend` may add window-only steps to it.
void RunOnWindow(benchmark::State& state, const bench::ActionScenario& scenario,
                 const std::function<void(MainWindow&, bench::ActionScenario&)>& extend)
{
    bench::ActionScenario fresh = scenario;
    StartedWindow started;
    MainWindow& window = started.window;
    QtUserActions& user = started.user;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("the window was not exposed");
        return;
    }
    fresh.prepare(user);
    DeliverPendingEvents();
    if (extend) extend(window, fresh);
    bench::TimeScenario(state, user, fresh, DeliverPendingEvents);
}

void Register(const bench::ActionScenario& scenario,
              std::function<void(MainWindow&, bench::ActionScenario&)> extend = {})
{
    benchmark::RegisterBenchmark(
        ("window: " + scenario.name).c_str(),
        [scenario, extend](benchmark::State& state) { RunOnWindow(state, scenario, extend); })
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond);
}

// A pick with the arrow keys in the closed list: the same click event, without
// the cost of opening and closing the drop-down.
void RegisterArrowKeyPick(const std::string& name, void (*prepare)(UserActions&), Qt::Key first,
                          Qt::Key second)
{
    Register({name, prepare, {}, {}}, [first, second](MainWindow& window,
                                                      bench::ActionScenario& scenario) {
        auto* list = window.findChild<QComboBox*>(QStringLiteral("SubnetList"));
        scenario.action =
            bench::Alternate([list, first](UserActions&) { QTest::keyClick(list, first); },
                             [list, second](UserActions&) { QTest::keyClick(list, second); });
    });
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    for (const bench::ActionScenario& scenario : bench::ActionScenarios())
        Register(scenario);
    RegisterArrowKeyPick("mask pick by arrow key; C /26 <-> /27 (1 Calculate)",
                         bench::PrepareClassC26, Qt::Key_Down, Qt::Key_Up);
    RegisterArrowKeyPick("mask pick by arrow key; A /31 <-> /30; 300 lines (1 Calculate)",
                         bench::PrepareClassA31, Qt::Key_Up, Qt::Key_Down);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
