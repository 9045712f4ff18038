// SPDX-License-Identifier: MIT
// Resident memory of the replay player's window mode over a long random script:
// after 10,000 and after 100,000 actions. The running program keeps its memory
// flat however long it is used, and so must the player, or a long replay measures
// the tool instead of the program. Prints Markdown table rows.
//   quorvane_bench_memory [first count, default 10000] [second count, default 100000]
#include "RandomInput.h"
#include "Replay.h"
#include "StartedWindow.h"

#include <QApplication>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>

namespace {

using quorvane::Field;

constexpr std::array<std::string_view, 5> kBoxes{"IP_Part1", "IP_Part2", "IP_Part3", "IP_Part4",
                                                 "AccessListBox"};

// Random script lines, one user action each: types, Backspaces, clears, pastes
// (octet boxes and the Hosts/Subnets list), picks of an entry the list holds, and
// option clicks.
class RandomScript {
public:
    explicit RandomScript(std::uint32_t seed) : random_(seed) {}

    std::string NextLine(const quorvane::Window& window)
    {
        // One box in five is the list box: a note typed or pasted into it.
        const std::string box(kBoxes[random_.Pick(kBoxes.size())]);
        switch (random_.Pick(10)) {
        case 0:
        case 1:
        case 2: return "type " + box + " " + random_.Text(1 + random_.Pick(3));
        case 3: return "back " + box + " " + std::to_string(1 + random_.Pick(3));
        case 4: return "clear " + box;
        case 5: return "paste " + box + " " + random_.Text(random_.Pick(6));
        case 6:
        case 7:
            if (const std::vector<std::string> entries = window.ListEntries(); !entries.empty()) {
                return "pick " + entries[random_.Pick(entries.size())];
            }
            return "click Subsuper2";
        default: return random_.Pick(2) == 0 ? "click Subsuper1" : "click Subsuper2";
        }
    }

private:
    quorvane::RandomInput random_;
};

double ResidentMiB()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) return std::strtod(line.c_str() + 6, nullptr) / 1024;
    }
    return 0;
}

// A script ends its batches with a dump, as a test script does: the player keeps
// the operations only until the next dump prints them.
constexpr int kActionsPerDump = 100;

} // namespace

int main(int argc, char** argv)
{
    const int first = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10'000;
    const int second = argc > 2 ? std::max(first, std::atoi(argv[2])) : 100'000;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication app(qtArgc, argv);

    // Started as the player starts it in window mode.
    quorvane::RecordedWindow started;
    started.window.show();
    quorvane::DeliverPendingEvents();
    const quorvane::Things& things = started.program.things();

    RandomScript script(20240610);
    std::ostringstream dumps;
    std::ostringstream errors;
    double afterFirst = 0;
    for (int done = 0; done < second;) {
        const int size = std::min(kActionsPerDump, second - done);
        for (int i = 0; i < size; ++i) {
            // Picks choose from the list as it stands: run each line before the next.
            std::istringstream line(script.NextLine(started.log));
            if (quorvane::replay::Run(line, started.log, started.user, started.screen, things,
                                      dumps, errors)) {
                std::cerr << errors.str();
                return 1;
            }
        }
        std::istringstream dump("dump\n");
        quorvane::replay::Run(dump, started.log, started.user, started.screen, things, dumps,
                              errors);
        dumps.str({});
        done += size;
        if (afterFirst == 0 && done >= first) afterFirst = ResidentMiB();
    }
    const double afterSecond = ResidentMiB();

    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("| window: resident memory after %d random actions (replay player, %s) | %.2f "
                "MiB | | | |\n",
                first, platform, afterFirst);
    const double growth = afterSecond - afterFirst;
    std::printf("| window: resident memory after %d random actions (replay player, %s) | %.2f "
                "MiB | | | %+.2f MiB, <= 2 MiB: %s |\n",
                second, platform, afterSecond, growth, growth <= 2 ? "met" : "MISSED");
    return 0;
}
