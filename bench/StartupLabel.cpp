// SPDX-License-Identifier: MIT
// A second reference for start-up: the empty window with one line of text, so
// the share of the font system (which any window showing text pays) can be told
// apart from the rest of the program's start-up.
#include "StartupProbe.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(457, 505);
    QLabel label(QStringLiteral("192.168.1.0"), &window);
    return quorvane::bench::ShowUntilFirstFrame(window);
}
