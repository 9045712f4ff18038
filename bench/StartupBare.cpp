// SPDX-License-Identifier: MIT
// The reference for start-up: an empty Qt window of the program's size.
#include "StartupProbe.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(457, 505);
    return quorvane::bench::ShowUntilFirstFrame(window);
}
