// The window tests need a QApplication before any test runs.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv)
{
    // Without a display the window runs offscreen, as it does under ctest.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
