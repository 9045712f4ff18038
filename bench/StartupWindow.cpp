// The program's start-up as the program itself does it, up to its first frame.
#include "MainWindow.h"
#include "StartupProbe.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvane"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QGuiApplication::setDesktopFileName(QStringLiteral("quorvane"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/quorvane.png")));
    MainWindow window;
    return quorvane::bench::ShowUntilFirstFrame(window);
}
