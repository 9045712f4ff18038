// SPDX-License-Identifier: MIT
#include "CommandLine.h"
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
        return startup.exitStatus;
    }

    QApplication app(argc, argv);
    quorvane::DescribeApplication();

    quorvane::MainWindow window;
    const quorvane::Program program(window.fields());
    window.show();
    return QApplication::exec();
}
