// SPDX-License-Identifier: MIT
#include "CommandLine.h"
#include "CommandLineRun.h"
#include "MainWindow.h"
#include "ParentConsole.h"
#include "Program.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <utility>

namespace {

// Reports for the addresses asked for, on the streams the program was started with:
// no window, no display, nothing of Qt's GUI.
int Report(const quorvane::ReportsWanted& wanted)
{
    // The C++ streams alone, with buffers of their own: a batch sees how much input
    // is at hand, and writes its reports a chunk at a time.
    std::ios::sync_with_stdio(false);
    if (wanted.fromStandardInput)
        return quorvane::ReportLines(std::cin, std::cout, std::cerr, wanted.request);
    return quorvane::ReportOne(wanted.text, std::cout, std::cerr, wanted.request);
}

} // namespace

int main(int argc, char* argv[])
{
    quorvane::Startup startup =
        quorvane::ReadCommandLine({argv + 1, static_cast<std::size_t>(argc > 0 ? argc - 1 : 0)});
#ifndef _WIN32
    // X11 and Wayland need a display server named in the environment; Windows always
    // has its desktop.
    startup = quorvane::RequireDisplay(std::move(startup), std::getenv);
#endif
    if (!startup.openWindow) {
        quorvane::UseParentConsole();
        std::fputs(startup.standardOutput.c_str(), stdout);
        std::fputs(startup.standardError.c_str(), stderr);
        return startup.reports ? Report(*startup.reports) : startup.exitStatus;
    }

    QApplication app(argc, argv);
    quorvane::DescribeApplication();

    quorvane::MainWindow window;
    const quorvane::Program program(window.fields());
    window.show();
    return QApplication::exec();
}
