// SPDX-License-Identifier: MIT
// Tests on the real window need a QApplication before any widget exists.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Without a display the tests run offscreen, as they do under ctest.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
