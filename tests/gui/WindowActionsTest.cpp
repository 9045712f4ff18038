// SPDX-License-Identifier: MIT
// The window's actions: its context menu copies all results, then (after a
// separator) quits; each octet box's own menu, opened by the mouse or by
// Shift+F10, ends in the same copy; Ctrl+Q closes the window.
#include "OctetBox.h"
#include "WindowFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
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

struct MenuOpening {
    const char* name;
    void (*open)(OctetBox& box);
};

void PrintTo(const MenuOpening& opening, std::ostream* os)
{
    *os << opening.name;
}

class OctetBoxMenu : public WindowTest, public ::testing::WithParamInterface<MenuOpening> {};

TEST_P(OctetBoxMenu, EndsInCopyAllResults)
{
    user.Paste(Field::IP_Part1, "192.168.1.10/26");
    auto& box = *Find<OctetBox>("IP_Part2");
    box.setFocus();
    GetParam().open(box);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    const std::vector<std::string> entries = Entries(menu->actions());
    ASSERT_GE(entries.size(), 3U);
    EXPECT_EQ(entries.front().substr(0, 5), "&Undo");
    EXPECT_EQ(std::vector<std::string>(entries.end() - 2, entries.end()),
              (std::vector<std::string>{"-", "Copy All Results  Ctrl+Shift+C"}));

    QApplication::clipboard()->setText(QStringLiteral("before"));
    menu->actions().back()->trigger();
    menu->close();
    EXPECT_EQ(QApplication::clipboard()->text().toStdString().substr(0, 28),
              "Address:     192.168.1.10/26");
}

INSTANTIATE_TEST_SUITE_P(Openings, OctetBoxMenu,
                         ::testing::Values(MenuOpening{"RightClick",
                                                       [](OctetBox& box) {
                                                           const QPoint at = box.rect().center();
                                                           QContextMenuEvent click(
                                                               QContextMenuEvent::Mouse, at,
                                                               box.mapToGlobal(at));
                                                           QApplication::sendEvent(&box, &click);
                                                       }},
                                           MenuOpening{"ShiftF10",
                                                       [](OctetBox& box) {
                                                           QTest::keyClick(&box, Qt::Key_F10,
                                                                           Qt::ShiftModifier);
                                                       }}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowActions, CtrlQClosesTheWindow)
{
    ASSERT_TRUE(window.isVisible());
    QTest::keyClick(Find<QWidget>("IP_Part1"), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(window.isVisible());
}

} // namespace
} // namespace quorvane
