// SPDX-License-Identifier: MIT
// The window program: the window Main, or, given an ADDRESS, --help or --version,
// the command line's answer with no window at all. On Linux the console program
// `quorvane` starts it only for the window; on Windows it is quorvane.exe itself.
#include "CommandLine.h"
#include "CommandLineRun.h"
#include "MainWindow.h"
#include "ParentConsole.h"
#include "Program.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <utility>

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
        return startup.reports ? quorvane::RunReports(*startup.reports) : startup.exitStatus;
    }

    QApplication app(argc, argv);
    quorvane::DescribeApplication();

    quorvane::MainWindow window;
    const quorvane::Program program(window.fields());
    window.show();
    return QApplication::exec();
}
