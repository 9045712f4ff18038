// SPDX-License-Identifier: MIT
#include "MainWindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    DescribeApplication();

    MainWindow window;
    window.show();
    return QApplication::exec();
}
