// SPDX-License-Identifier: MIT
// The window's actions: its context menu copies all results, then (after a
// separator) quits; Ctrl+Q closes the window.
#include "WindowFixture.h"

#include <QTest>

namespace quorvane {
namespace {

// What a menu shows of each action: its text and shortcut, "-" for a separator.
std::vector<std::string> Entries(const QList<QAction*>& actions)
{
    std::vector<std::string> entries;
    for (const QAction* action : actions) {
        QString entry = action->isSeparator() ? QStringLiteral("-") : action->text();
        if (!action->shortcut().isEmpty()) entry += "  " + action->shortcut().toString();
        entries.push_back(entry.toStdString());
    }
    return entries;
}

using WindowActions = WindowTest;

TEST_F(WindowActions, WindowMenuCopiesThenQuits)
{
    EXPECT_EQ(window.contextMenuPolicy(), Qt::ActionsContextMenu);
    EXPECT_EQ(Entries(window.actions()),
              (std::vector<std::string>{"Copy All Results  Ctrl+Shift+C", "-", "Quit  Ctrl+Q"}));
}

TEST_F(WindowActions, CtrlQClosesTheWindow)
{
    ASSERT_TRUE(window.isVisible());
    QTest::keyClick(Find<QWidget>("IP_Part1"), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(window.isVisible());
}

} // namespace
} // namespace quorvane
