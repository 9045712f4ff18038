// SPDX-License-Identifier: MIT
// What an octet box of the real window accepts from a person, and how many change
// events each edit raises: always the same as the headless model.
#include "OctetBox.h"
#include "FieldModel.h"
#include "WindowFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QTest>

#include <functional>
#include <string>

namespace quorvane {
namespace {

const std::string kEmoji = "\xF0\x9F\x98\x80"; // U+1F600: two UTF-16 units

struct BoxEdit {
    const char* name;
    std::string before;
    std::function<void(UserActions&)> edit;
    std::string after;
    int changes;
};

void PrintTo(const BoxEdit& edit, std::ostream* os)
{
    *os << edit.name;
}

class OctetBoxEdit : public WindowTest, public ::testing::WithParamInterface<BoxEdit> {};

// Runs the edit on the box of a person's window and of the model, neither running
// any handler, and returns the box's text as shown and the events raised.
std::pair<std::string, std::vector<Field>> EditBox(Window& window, UserActions& user,
                                                   const Screen& screen, const BoxEdit& edit)
{
    RaisedEvents events(window);
    user.Paste(Field::IP_Part3, edit.before);
    events.Take();
    edit.edit(user);
    return {screen.Shown(Field::IP_Part3), events.Take()};
}

TEST_P(OctetBoxEdit, KeepsTheTextAndRaisesTheChangesTheModelDoes)
{
    const BoxEdit& edit = GetParam();
    FieldModel model;
    const auto [modelText, modelEvents] = EditBox(model, model, model, edit);
    const auto [windowText, windowEvents] = EditBox(fields, user, screen, edit);

    EXPECT_EQ(windowText, edit.after);
    EXPECT_EQ(static_cast<int>(windowEvents.size()), edit.changes);
    for (Field source : windowEvents)
        EXPECT_EQ(source, Field::IP_Part3);
    EXPECT_EQ(windowText, modelText);
    EXPECT_EQ(windowEvents, modelEvents);
}

void Type(UserActions& user, const std::string& text)
{
    user.Type(Field::IP_Part3, text);
}
void Paste(UserActions& user, const std::string& text)
{
    user.Paste(Field::IP_Part3, text);
}

INSTANTIATE_TEST_SUITE_P(
    Typing, OctetBoxEdit,
    ::testing::Values(
        BoxEdit{"OneChangePerKeystroke", "", [](UserActions& u) { Type(u, "12"); }, "12", 2},
        BoxEdit{"FourthCharacterRefused", "12", [](UserActions& u) { Type(u, "345"); }, "123", 1},
        BoxEdit{"EmojiCountsAsOneCharacter", "1", [](UserActions& u) { Type(u, kEmoji + "23"); },
                "1" + kEmoji + "2", 2},
        BoxEdit{"EmojiRefusedWhenFull", "123", [](UserActions& u) { Type(u, kEmoji); }, "123", 0},
        // Tab, line feed, and the C1 controls U+0085 and U+009F.
        BoxEdit{"ControlCharactersNotTyped", "",
                [](UserActions& u) { Type(u, "\t5\n\xC2\x85\xC2\x9F"); }, "5", 1},
        BoxEdit{"CombiningMarkIsACharacter", "e", [](UserActions& u) { Type(u, "\xCC\x81"); },
                "e\xCC\x81", 1},
        BoxEdit{"FormatAndUnassignedCharactersTyped", "",
                [](UserActions& u) { Type(u, "\xE2\x80\x8B\xCD\xB8"); }, "\xE2\x80\x8B\xCD\xB8",
                2}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Deleting, OctetBoxEdit,
    ::testing::Values(BoxEdit{"BackspaceOneChangeEach", "123",
                              [](UserActions& u) { u.Backspace(Field::IP_Part3, 2); }, "1", 2},
                      BoxEdit{"BackspaceStopsAtEmpty", "12",
                              [](UserActions& u) { u.Backspace(Field::IP_Part3, 5); }, "", 2},
                      BoxEdit{"BackspaceRemovesWholeEmoji", "1" + kEmoji,
                              [](UserActions& u) { u.Backspace(Field::IP_Part3, 1); }, "1", 1},
                      BoxEdit{"ClearRaisesOnce", "123",
                              [](UserActions& u) { u.Clear(Field::IP_Part3); }, "", 1},
                      BoxEdit{"ClearOfEmptyBoxRaisesNothing", "",
                              [](UserActions& u) { u.Clear(Field::IP_Part3); }, "", 0}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Pasting, OctetBoxEdit,
    ::testing::Values(
        BoxEdit{"CutToThreeCharacters", "", [](UserActions& u) { Paste(u, "12345"); }, "123", 1},
        BoxEdit{"CutByCodePointNeverHalfAnEmoji", "",
                [](UserActions& u) { Paste(u, "1" + kEmoji + kEmoji + kEmoji); },
                "1" + kEmoji + kEmoji, 1},
        BoxEdit{"SameTextRaisesOnce", "192", [](UserActions& u) { Paste(u, "192"); }, "192", 1},
        BoxEdit{"NothingOverNothingRaisesNothing", "", [](UserActions& u) { Paste(u, ""); }, "", 0},
        BoxEdit{"NothingOverTextRaisesOnce", "12", [](UserActions& u) { Paste(u, ""); }, "", 1},
        BoxEdit{"ControlCharactersKept", "", [](UserActions& u) { Paste(u, "\t4"); }, "\t4", 1},
        BoxEdit{"MalformedBytesBecomeReplacementCharacters", "",
                [](UserActions& u) {
                    Paste(u, "\xC0\x80\xE2\x82"
                             "7");
                },
                "\xEF\xBF\xBD\xEF\xBF\xBD"
                "7",
                1}),
    [](const auto& info) { return std::string(info.param.name); });

// Edits a person can make that the scripted actions do not cover.
class OctetBoxKeys : public WindowTest {
protected:
    OctetBox& Box() { return *Find<OctetBox>("IP_Part3"); }
};

TEST_F(OctetBoxKeys, TypingOverASelectionInAFullBoxReplacesIt)
{
    user.Paste(Field::IP_Part3, "123");
    RaisedEvents events(fields);
    QTest::keyClick(&Box(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&Box(), Qt::Key_4, Qt::NoModifier);
    EXPECT_EQ(screen.Shown(Field::IP_Part3), "4");
    EXPECT_EQ(events.Take().size(), 1U);
}

// Only the left click that brings the focus selects: after a right press whose
// release the box's menu takes, a left click places the caret.
TEST_F(OctetBoxKeys, OnlyALeftClickIntoABoxWithoutTheFocusSelectsIt)
{
    user.Paste(Field::IP_Part3, "123");
    user.Type(Field::IP_Part1, "1");
    QTest::mousePress(&Box(), Qt::RightButton, Qt::NoModifier, Box().rect().center());
    ASSERT_EQ(screen.Focused(), Field::IP_Part3);
    QTest::mouseClick(&Box(), Qt::LeftButton, Qt::NoModifier, Box().rect().center());
    EXPECT_EQ(screen.Caret(Field::IP_Part3).selected, "");
}

TEST_F(OctetBoxKeys, FullBoxRefusesAKeyWhereverTheCaretIs)
{
    user.Paste(Field::IP_Part3, "123");
    RaisedEvents events(fields);
    QTest::keyClick(&Box(), Qt::Key_Home);
    QTest::keyClick(&Box(), Qt::Key_9);
    EXPECT_EQ(screen.Shown(Field::IP_Part3), "123");
    EXPECT_TRUE(events.Take().empty());
}

TEST_F(OctetBoxKeys, ProgramWriteOfAWideTextKeepsThreeCharacters)
{
    RaisedEvents events(fields);
    fields.SetText(Field::IP_Part3, kEmoji + kEmoji + kEmoji);
    EXPECT_EQ(screen.Shown(Field::IP_Part3), kEmoji + kEmoji + kEmoji);
    EXPECT_EQ(events.Take().size(), 1U);
}

// The Insert key's paste chords: each pastes its own clipboard, whole addresses
// too. The X selection exists only where the window system has one (ctest runs
// these rows again on Xvfb).
struct PasteKey {
    const char* name;
    Qt::KeyboardModifiers modifiers;
    QClipboard::Mode reads;
};

void PrintTo(const PasteKey& key, std::ostream* os)
{
    *os << key.name;
}

class PasteKeys : public WindowTest, public ::testing::WithParamInterface<PasteKey> {};

TEST_P(PasteKeys, PasteTheirOwnClipboard)
{
    const PasteKey& key = GetParam();
    QClipboard& clipboard = *QApplication::clipboard();
    if (key.reads == QClipboard::Selection && !clipboard.supportsSelection()) {
        GTEST_SKIP() << "no X selection on " << QGuiApplication::platformName().toStdString();
    }
    clipboard.setText(QStringLiteral("192.168.1.10/26"), key.reads);
    if (clipboard.supportsSelection()) {
        const bool selection = key.reads == QClipboard::Selection;
        clipboard.setText(QStringLiteral("10.0.0.0/8"),
                          selection ? QClipboard::Clipboard : QClipboard::Selection);
    }
    QTest::keyClick(Find<OctetBox>("IP_Part3"), Qt::Key_Insert, key.modifiers);
    for (const auto& [box, octet] : {std::pair{Field::IP_Part1, "192"},
                                     {Field::IP_Part2, "168"},
                                     {Field::IP_Part3, "1"},
                                     {Field::IP_Part4, "10"}}) {
        EXPECT_EQ(screen.Shown(box), octet) << NameOf(box);
    }
}

INSTANTIATE_TEST_SUITE_P(Chords, PasteKeys,
                         ::testing::Values(PasteKey{"ShiftInsertPastesTheClipboard",
                                                    Qt::ShiftModifier, QClipboard::Clipboard},
                                           PasteKey{"CtrlShiftInsertPastesTheXSelection",
                                                    Qt::ControlModifier | Qt::ShiftModifier,
                                                    QClipboard::Selection}),
                         [](const auto& info) { return std::string(info.param.name); });

// An input method's commit replaces the selection and then the characters it
// names around the caret; it is cut to the room left once both are gone.
struct Commit {
    const char* name;
    QString before;
    int selectionStart; // -1: nothing selected, the caret at the end
    int selectionLength;
    int replacementStart; // from the caret, in UTF-16 units
    int replacementLength;
    QString commit;
    std::string after;
};

void PrintTo(const Commit& commit, std::ostream* os)
{
    *os << commit.name;
}

class InputMethodCommit : public WindowTest, public ::testing::WithParamInterface<Commit> {};

TEST_P(InputMethodCommit, IsCutToTheRoomLeftAndRaisesOneChange)
{
    const Commit& c = GetParam();
    auto& box = *Find<OctetBox>("IP_Part3");
    RaisedEvents events(fields);
    box.setText(c.before);
    if (c.selectionStart >= 0) box.setSelection(c.selectionStart, c.selectionLength);
    events.Take();

    QInputMethodEvent commit;
    commit.setCommitString(c.commit, c.replacementStart, c.replacementLength);
    QApplication::sendEvent(&box, &commit);
    EXPECT_EQ(screen.Shown(Field::IP_Part3), c.after);
    EXPECT_EQ(events.Take(), std::vector<Field>{Field::IP_Part3});
}

INSTANTIATE_TEST_SUITE_P(
    Commits, InputMethodCommit,
    ::testing::Values(Commit{"AtTheCaret", "12", -1, 0, 0, 0, "4567", "124"},
                      Commit{"OverTheWholeSelection", "123", 0, 3, 0, 0, "4567", "456"},
                      Commit{"OverPartOfTheSelection", "123", 1, 1, 0, 0, "4567", "143"},
                      Commit{"ReplacingTheWholeText", "12", -1, 0, -2, 2, "3456", "345"},
                      Commit{"ReplacingOneCharacter", "123", -1, 0, -3, 1, "4567", "423"},
                      Commit{"ReplacingAWideCharacter", QString::fromUtf8("1" + kEmoji), -1, 0, -2,
                             2, "4567", "145"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace quorvane
