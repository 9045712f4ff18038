// SPDX-License-Identifier: MIT
// Tests on the real window need a QApplication before any widget exists.
#include "QtUserActions.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

// No event loop runs between the tests: what a test's window left pending (its
// last repaint, deferred deletes after it closed) is delivered before the next
// test starts, as the running program's loop would.
class DeliverPendingAfterEachTest final : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo&) override { quorvane::DeliverPendingEvents(); }
};

} // namespace

int main(int argc, char** argv)
{
    // Without a display the tests run offscreen, as they do under ctest.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new DeliverPendingAfterEachTest);
    return RUN_ALL_TESTS();
}
