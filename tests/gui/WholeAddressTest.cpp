// SPDX-License-Identifier: MIT
// A whole address typed with its dots or pasted at once, each example run on the
// headless model and on the real window: both reach what the user asked for, by the
// same operations, and the focus ends where the next keystroke belongs.
#include "RecordedModel.h"
#include "WindowFixture.h"

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

} // namespace
} // namespace quorvane
