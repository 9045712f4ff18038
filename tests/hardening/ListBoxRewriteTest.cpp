// SPDX-License-Identifier: MIT
// A recalculation that changes the Hosts/Subnets text replaces it the way a fresh
// text would be shown, whatever the user did in the box before: the new lines, the
// caret at the start, the view at the top, and nothing to undo. One that writes the
// same text again leaves the box as the user left it.
#include "StartedWindow.h"

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

namespace quorvane {
namespace {

// 10.1.1.1 with 255.255.255.254 picked: 300 lines, the caret put on line 200.
class ListBoxRewrite : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        EnterOctets(user, {"10", "1", "1", "1"});
        ASSERT_TRUE(user.Pick("255.255.255.254"));
        ASSERT_NE(list, nullptr);
        list->setTextCursor(QTextCursor(list->document()->findBlockByNumber(200)));
        list->setFocus();
    }

    StartedWindow started;
    MainWindow& window = started.window;
    QtUserActions& user = started.user;
    QPlainTextEdit* list = window.findChild<QPlainTextEdit*>(QStringLiteral("AccessListBox"));
};

TEST_F(ListBoxRewrite, ShowsTheNewListFromTheTop)
{
    // The user clicks into a line and types into it.
    QTest::keyClick(list, Qt::Key_X);
    ASSERT_GT(list->verticalScrollBar()->value(), 0);
    ASSERT_TRUE(list->document()->isUndoAvailable());

    user.Type(Field::IP_Part4, "10"); // typed over the 1: 10.1.1.10, every line changes
    QCoreApplication::processEvents();
    EXPECT_EQ(list->document()->blockCount(), 301); // 300 lines, each ending in a break
    EXPECT_TRUE(list->document()->firstBlock().text().startsWith(QStringLiteral("1) 10.1.1.10 ")));
    EXPECT_EQ(list->textCursor().position(), 0);
    EXPECT_FALSE(list->textCursor().hasSelection());
    EXPECT_EQ(list->verticalScrollBar()->value(), 0);
    EXPECT_FALSE(list->document()->isUndoAvailable());
}

TEST_F(ListBoxRewrite, KeepsTheViewAndTheCaretWhenTheListIsTheSame)
{
    list->ensureCursorVisible();
    QCoreApplication::processEvents();
    const int scrolled = list->verticalScrollBar()->value();
    const int caret = list->textCursor().position();
    ASSERT_GT(scrolled, 0);

    ASSERT_TRUE(user.Pick("255.255.255.254")); // the same mask again: the same 300 lines
    QCoreApplication::processEvents();
    EXPECT_EQ(list->textCursor().position(), caret);
    EXPECT_EQ(list->verticalScrollBar()->value(), scrolled);
}

} // namespace
} // namespace quorvane
