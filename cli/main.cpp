// SPDX-License-Identifier: MIT
// quorvane: the console program. With an ADDRESS, --help or --version it answers
// here and loads no GUI library; without one it becomes the window program.
#include "CommandLine.h"
#include "CommandLineRun.h"
#include "WindowProgram.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

int main(int argc, char* argv[])
{
    quorvane::Startup startup = quorvane::RequireDisplay(
        quorvane::ReadCommandLine({argv + 1, static_cast<std::size_t>(argc > 0 ? argc - 1 : 0)}),
        std::getenv);
    if (startup.openWindow) return quorvane::StartWindowProgram(argv);
    std::fputs(startup.standardOutput.c_str(), stdout);
    std::fputs(startup.standardError.c_str(), stderr);
    return startup.reports ? quorvane::RunReports(*startup.reports) : startup.exitStatus;
}
