// SPDX-License-Identifier: MIT
#include "CommandLine.h"
#include "MainWindow.h"
#include "ParentConsole.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    const quorvane::Startup startup =
        quorvane::ReadCommandLine({argv + 1, static_cast<std::size_t>(argc > 0 ? argc - 1 : 0)});
    if (!startup.openWindow) {
        quorvane::UseParentConsole();
        std::fputs(startup.standardOutput.c_str(), stdout);
        std::fputs(startup.standardError.c_str(), stderr);
        return startup.exitStatus;
    }

    QApplication app(argc, argv);
    DescribeApplication();

    MainWindow window;
    window.show();
    return QApplication::exec();
}
