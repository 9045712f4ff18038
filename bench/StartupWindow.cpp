// SPDX-License-Identifier: MIT
// The program's start-up as the program itself does it, up to its first frame.
#include "MainWindow.h"
#include "StartupProbe.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    DescribeApplication();
    MainWindow window;
    return quorvane::bench::ShowUntilFirstFrame(window);
}
