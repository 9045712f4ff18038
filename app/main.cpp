// SPDX-License-Identifier: MIT
#include "CommandLine.h"
#include "MainWindow.h"
#include "Program.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    const quorvane::Startup startup = quorvane::RequireDisplay(
        quorvane::ReadCommandLine({argv + 1, static_cast<std::size_t>(argc > 0 ? argc - 1 : 0)}),
        std::getenv);
    if (!startup.openWindow) {
        std::fputs(startup.standardOutput.c_str(), stdout);
        std::fputs(startup.standardError.c_str(), stderr);
        return startup.exitStatus;
    }

    QApplication app(argc, argv);
    DescribeApplication();

    MainWindow window;
    const quorvane::Program program(window.fields());
    window.show();
    return QApplication::exec();
}
