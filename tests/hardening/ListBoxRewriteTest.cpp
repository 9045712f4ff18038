// SPDX-License-Identifier: MIT
// A recalculation replaces the whole Hosts/Subnets text the way a fresh text
// would be shown, whatever the user did in the box before: the new lines, the
// caret at the start, the view at the top, and nothing to undo.
#include "StartedWindow.h"

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

namespace quorvane {
namespace {

TEST(ListBoxRewrite, ShowsTheNewListFromTheTop)
{
    StartedWindow started;
    MainWindow& window = started.window;
    QtUserActions& user = started.user;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    user.Type(Field::IP_Part1, "10");
    user.Type(Field::IP_Part2, "1");
    user.Type(Field::IP_Part3, "1");
    user.Type(Field::IP_Part4, "1");
    ASSERT_TRUE(user.Pick("255.255.255.254"));
    auto* list = window.findChild<QPlainTextEdit*>(QStringLiteral("AccessListBox"));
    ASSERT_NE(list, nullptr);

    // The user scrolls down, clicks into a line and types into it.
    QTextCursor caret(list->document()->findBlockByNumber(200));
    list->setTextCursor(caret);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_X);
    ASSERT_GT(list->verticalScrollBar()->value(), 0);
    ASSERT_TRUE(list->document()->isUndoAvailable());

    user.Type(Field::IP_Part4, "0"); // 10.1.1.10: every line changes
    QCoreApplication::processEvents();
    EXPECT_EQ(list->document()->blockCount(), 301); // 300 lines, each ending in a break
    EXPECT_TRUE(list->document()->firstBlock().text().startsWith(QStringLiteral("1) 10.1.1.10 ")));
    EXPECT_EQ(list->textCursor().position(), 0);
    EXPECT_FALSE(list->textCursor().hasSelection());
    EXPECT_EQ(list->verticalScrollBar()->value(), 0);
    EXPECT_FALSE(list->document()->isUndoAvailable());
}

} // namespace
} // namespace quorvane
