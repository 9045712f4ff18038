// SPDX-License-Identifier: MIT
// The program's start-up as the program itself does it, up to its first frame.
#include "MainWindow.h"
#include "Program.h"
#include "StartupProbe.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    quorvane::DescribeApplication();
    quorvane::MainWindow window;
    const quorvane::Program program(window.fields());
    return quorvane::bench::ShowUntilFirstFrame(window);
}
