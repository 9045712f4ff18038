// SPDX-License-Identifier: MIT
// A whole address typed with its dots or pasted at once, each example run on the
// headless model and on the real window: both reach what the user asked for, by the
// same operations, and the focus ends where the next keystroke belongs. Then a prefix
// length typed into the mask list, keystroke by keystroke on the window alone, where
// the pause that ends it is a timer.
#include "RecordedModel.h"
#include "WindowFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QTest>

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace quorvane {
namespace {

const Field P1 = Field::IP_Part1, P2 = Field::IP_Part2, P3 = Field::IP_Part3, P4 = Field::IP_Part4;

using Steps = std::function<void(UserActions&)>;

struct Entry {
    const char* name;
    Steps before; // untimed setup, from a fresh window
    Steps entry;
    std::array<const char*, 4> boxes;
    const char* netClass;
    bool supernet;
    const char* mask;
    Field focus;
    // The handlers the entry starts, in order; empty: not checked.
    std::vector<std::string> handlers = {};
};

void PrintTo(const Entry& entry, std::ostream* os)
{
    *os << entry.name;
}

std::vector<std::string> HandlerStarts(const std::vector<OperationLog::Operation>& operations)
{
    std::vector<std::string> handlers;
    for (const OperationLog::Operation& operation : operations) {
        if (operation.size() == 2 && operation[0] == "event") handlers.push_back(operation[1]);
    }
    return handlers;
}

class WholeAddress : public WindowTest, public ::testing::WithParamInterface<Entry> {
protected:
    RecordedModel modelStarted{fields.DecimalPoint()};
    FieldModel& model = modelStarted.model;
};

TEST_P(WholeAddress, GoesInAsAskedOnTheModelAndTheWindowAlike)
{
    const Entry& e = GetParam();
    if (e.before) {
        e.before(model);
        e.before(user);
    }
    Take();
    modelStarted.log.Take();

    e.entry(model);
    e.entry(user);
    const std::vector<OperationLog::Operation> operations = Take();
    EXPECT_EQ(operations, modelStarted.log.Take());
    ExpectSameFields(Capture(model), Capture(screen));

    for (std::size_t i = 0; i < kOctetBoxes.size(); ++i) {
        EXPECT_EQ(screen.Shown(kOctetBoxes[i]), e.boxes[i]) << NameOf(kOctetBoxes[i]);
    }
    EXPECT_EQ(screen.Shown(Field::Class), e.netClass);
    EXPECT_EQ(screen.OptionSelected(Field::Subsuper2), e.supernet);
    EXPECT_EQ(screen.ListSelected(), e.mask);
    ASSERT_NE(window.focusWidget(), nullptr);
    EXPECT_EQ(window.focusWidget()->objectName().toStdString(), NameOf(e.focus));
    if (!e.handlers.empty()) {
        EXPECT_EQ(HandlerStarts(operations), e.handlers);
    }
}

Steps Type(Field box, std::string text)
{
    return [box, text](UserActions& u) { u.Type(box, text); };
}
Steps Paste(Field box, std::string text)
{
    return [box, text](UserActions& u) { u.Paste(box, text); };
}
Steps Then(Steps first, Steps second)
{
    return [first, second](UserActions& u) {
        first(u);
        second(u);
    };
}

INSTANTIATE_TEST_SUITE_P(Examples, WholeAddress,
                         ::testing::Values(Entry{"TypedWithDots",
                                                 {},
                                                 Type(P1, "10.1.2.3"),
                                                 {"10", "1", "2", "3"},
                                                 "A",
                                                 false,
                                                 "255.0.0.0",
                                                 P4,
                                                 {"IP_Part1_Change", "SubnetList_Click",
                                                  "IP_Part1_Change", "IP_Part2_Change",
                                                  "IP_Part3_Change", "IP_Part4_Change"}},
                                           Entry{"DotMovesOnFromAFullBox",
                                                 Paste(P1, "192"),
                                                 Type(P1, ".168"),
                                                 {"192", "168", "", ""},
                                                 "C",
                                                 false,
                                                 "255.255.255.0",
                                                 P2},
                                           Entry{"SecondDotMovesOnPastABoxThatHoldsText",
                                                 Then(Then(Paste(P1, "192"), Paste(P2, "168")),
                                                      Then(Paste(P4, "3"), Paste(P3, "1"))),
                                                 Type(P2, "..5"),
                                                 {"192", "168", "1", "5"},
                                                 "C",
                                                 false,
                                                 "255.255.255.0",
                                                 P4,
                                                 {"IP_Part4_Change"}},
                                           Entry{"DotIsACharacterInAnEmptyBoxAndInBox4",
                                                 Paste(P1, "192"),
                                                 Then(Type(P2, ".5"), Type(P4, "2.5")),
                                                 {"192", ".5", "", "2.5"},
                                                 "C",
                                                 false,
                                                 "255.255.255.0",
                                                 P4},
                                           Entry{"PrefixPickedInSubnetMode",
                                                 {},
                                                 Paste(P3, "192.168.1.10/26"),
                                                 {"192", "168", "1", "10"},
                                                 "C",
                                                 false,
                                                 "255.255.255.192",
                                                 P4},
                                           Entry{"MaskLongerThanTheClassChoosesSubnet",
                                                 [](UserActions& u) { u.Click(Field::Subsuper2); },
                                                 Paste(P1, " 172.16.5.4   255.255.255.0 "),
                                                 {"172", "16", "5", "4"},
                                                 "B",
                                                 false,
                                                 "255.255.255.0",
                                                 P4},
                                           Entry{"PrefixShorterThanTheClassChoosesSupernet",
                                                 {},
                                                 Paste(P2, "192.168.0.0/16"),
                                                 {"192", "168", "0", "0"},
                                                 "C",
                                                 true,
                                                 "255.255.0.0",
                                                 P4},
                                           Entry{"PrefixOfTheClassKeepsSupernet",
                                                 [](UserActions& u) { u.Click(Field::Subsuper2); },
                                                 Paste(P1, "192.168.1.0/24"),
                                                 {"192", "168", "1", "0"},
                                                 "C",
                                                 true,
                                                 "255.255.255.0",
                                                 P4},
                                           Entry{"MaskOfTheClassKeepsSubnet",
                                                 {},
                                                 Paste(P3, "172.16.0.0 255.255.0.0"),
                                                 {"172", "16", "0", "0"},
                                                 "B",
                                                 false,
                                                 "255.255.0.0",
                                                 P4},
                                           Entry{"SpacesAroundTheSlash",
                                                 {},
                                                 Paste(P4, "10.0.0.0 / 31"),
                                                 {"10", "0", "0", "0"},
                                                 "A",
                                                 false,
                                                 "255.255.255.254",
                                                 P4},
                                           Entry{"CorrectedGroupsAndNoMaskForExperimental",
                                                 {},
                                                 Paste(P2, "300.1.2.999/27"),
                                                 {"255", "1", "2", "255"},
                                                 "Experimental",
                                                 false,
                                                 "N/A",
                                                 P4},
                                           Entry{"PrefixOutOfRangeEntersTheAddressOnly",
                                                 {},
                                                 Paste(P3, "1.2.3.4/33"),
                                                 {"1", "2", "3", "4"},
                                                 "A",
                                                 false,
                                                 "255.0.0.0",
                                                 P4},
                                           Entry{"UnchangedBoxesRaiseNothingTheMaskIsPickedAgain",
                                                 Paste(P3, "192.168.1.10/26"),
                                                 Paste(P1, "192.168.1.10/26"),
                                                 {"192", "168", "1", "10"},
                                                 "C",
                                                 false,
                                                 "255.255.255.192",
                                                 P4,
                                                 {"SubnetList_Click"}},
                                           Entry{"SameAddressOverBox4LeavesItsCaretAfterIt",
                                                 Paste(P3, "192.168.1.10/26"),
                                                 Paste(P4, "192.168.1.10/26"),
                                                 {"192", "168", "1", "10"},
                                                 "C",
                                                 false,
                                                 "255.255.255.192",
                                                 P4},
                                           Entry{"NotAnAddressIsCutToThreeCharacters",
                                                 {},
                                                 Paste(P3, "192.168.1"),
                                                 {"1", "", "192", ""},
                                                 "A",
                                                 false,
                                                 "255.0.0.0",
                                                 P3}),
                         [](const auto& info) { return std::string(info.param.name); });

struct PrefixKeystrokes {
    const char* name;
    // Keys apart by blanks, "S-", "C-", "A-" or "M-" before one typed with Shift, Ctrl,
    // Alt or Meta (pressed for that key alone); "~" lets the window's pending events
    // through, as between two keystrokes of a word; "|" is the user's pause.
    const char* keys;
    bool supernet;
    const char* mask;
};

void PrintTo(const PrefixKeystrokes& typed, std::ostream* os)
{
    *os << typed.name;
}

class TypedPrefix : public WindowTest, public ::testing::WithParamInterface<PrefixKeystrokes> {
protected:
    const int interval = QApplication::keyboardInputInterval();
    ~TypedPrefix() override { QApplication::setKeyboardInputInterval(interval); }
};

TEST_P(TypedPrefix, PicksItsMaskOnceComplete)
{
    user.Paste(P1, "192.168.1.10");
    auto* list = Find<QComboBox>("SubnetList");
    list->setFocus();
    const QStringList keys = QString::fromLatin1(GetParam().keys).split(' ');
    const Qt::KeyboardModifier held[] = {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier,
                                         Qt::MetaModifier};
    for (qsizetype i = 0; i < keys.size(); ++i) {
        if (keys[i] == "~" || keys[i] == "|") {
            if (keys[i] == "|") QTest::qSleep(20);
            QCoreApplication::processEvents();
            continue;
        }
        // Each key starts the pause's timer: a moment before "|", an hour before
        // anything else, so that no stall of the machine ends a prefix early.
        const bool pauseNext = i + 1 < keys.size() && keys[i + 1] == "|";
        QApplication::setKeyboardInputInterval(pauseNext ? 5 : 3600 * 1000);
        const qsizetype modifier = keys[i].size() == 3 ? QString("SCAM").indexOf(keys[i][0]) : -1;
        QTest::keyClick(list, keys[i].back().toLatin1(),
                        modifier < 0 ? Qt::NoModifier : held[modifier]);
    }
    EXPECT_EQ(screen.OptionSelected(Field::Subsuper2), GetParam().supernet);
    EXPECT_EQ(screen.ListSelected(), GetParam().mask);
}

// From 192.168.1.10 in Subnet mode, 255.255.255.0.
INSTANTIATE_TEST_SUITE_P(
    Keys, TypedPrefix,
    ::testing::Values(PrefixKeystrokes{"TwoDigitsComplete", "/ 3 0", false, "255.255.255.252"},
                      PrefixKeystrokes{"FourToNineCompleteAtOnce", "4 9", true, "255.128.0.0"},
                      PrefixKeystrokes{"ZeroToThreeWait", "2", false, "255.255.255.0"},
                      PrefixKeystrokes{"ThePauseEndsThem", "/ 3 |", true, "224.0.0.0"},
                      PrefixKeystrokes{"NoPauseBetweenKeys", "/ 2 ~ 6", false, "255.255.255.192"},
                      PrefixKeystrokes{"ShiftTyped", "S-/ S-2 S-6", false, "255.255.255.192"},
                      PrefixKeystrokes{"SlashStartsAgain", "2 / 6", true, "252.0.0.0"},
                      PrefixKeystrokes{"AnotherKeyDropsThem", "2 x 6", true, "252.0.0.0"},
                      PrefixKeystrokes{"ChordDropsThem", "2 C-x 6", true, "252.0.0.0"},
                      PrefixKeystrokes{"CtrlDigitIsNone", "C-3 0", false, "255.255.255.0"},
                      PrefixKeystrokes{"AltDigitIsNone", "A-3 0", false, "255.255.255.0"},
                      PrefixKeystrokes{"MetaDigitIsNone", "M-3 0", false, "255.255.255.0"}),
    [](const auto& info) { return std::string(info.param.name); });

// The keystrokes of one typed line come as one burst, as a person types them: even a
// pause that would end on the event loop's next turn ends no prefix between two of them.
TEST_F(TypedPrefix, TypedLineIsOneBurstHoweverShortThePause)
{
    QApplication::setKeyboardInputInterval(0);
    user.Type(P1, "192.168.1.10/26");
    EXPECT_EQ(screen.ListSelected(), "255.255.255.192");
}

} // namespace
} // namespace quorvane
