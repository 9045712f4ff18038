// SPDX-License-Identifier: MIT
// End to end: the same person's actions on the real window and on the headless
// model make the program write the same things and leave every field the same.
#include "RecordedModel.h"
#include "WindowFixture.h"

#include <functional>
#include <string>
#include <vector>

namespace quorvane {
namespace {

using Action = std::function<void(UserActions&)>;

Action Type(Field box, std::string text)
{
    return [box, text](UserActions& u) { u.Type(box, text); };
}
Action Paste(Field box, std::string text)
{
    return [box, text](UserActions& u) { u.Paste(box, text); };
}
Action Back(Field box, int count)
{
    return [box, count](UserActions& u) { u.Backspace(box, count); };
}
Action Clear(Field box)
{
    return [box](UserActions& u) { u.Clear(box); };
}
Action Pick(std::string entry)
{
    return [entry](UserActions& u) { EXPECT_TRUE(u.Pick(entry)) << entry; };
}
Action Click(Field option)
{
    return [option](UserActions& u) { u.Click(option); };
}

struct Scenario {
    const char* name;
    std::vector<Action> actions;
};

void PrintTo(const Scenario& scenario, std::ostream* os)
{
    *os << scenario.name;
}

class WindowMatchesModel : public WindowTest, public ::testing::WithParamInterface<Scenario> {
protected:
    WindowMatchesModel()
    {
        Take();
        modelStarted.log.Take();
    }

    // Under the window's number settings.
    RecordedModel modelStarted{fields.DecimalPoint()};
    FieldModel& model = modelStarted.model;
};

TEST_P(WindowMatchesModel, AfterEveryAction)
{
    int step = 0;
    for (const Action& action : GetParam().actions) {
        SCOPED_TRACE("action " + std::to_string(++step));
        action(model);
        action(user);
        EXPECT_EQ(Take(), modelStarted.log.Take());
        ExpectSameFields(Capture(model), Capture(screen));
    }
}

const Field P1 = Field::IP_Part1, P2 = Field::IP_Part2, P3 = Field::IP_Part3, P4 = Field::IP_Part4;

INSTANTIATE_TEST_SUITE_P(
    Scenarios, WindowMatchesModel,
    ::testing::Values(Scenario{"ClassCAddressWithAPickedMask",
                               {Type(P1, "192"), Type(P2, "168"), Type(P3, "1"), Type(P4, "10"),
                                Pick("255.255.255.192")}},
                      Scenario{"SupernetAndBackRestoresTheDefault",
                               {Type(P1, "192"), Type(P2, "168"), Type(P3, "1"), Type(P4, "10"),
                                Pick("255.255.255.192"), Click(Field::Subsuper2),
                                Pick("255.255.252.0"), Click(Field::Subsuper1)}},
                      Scenario{"CorrectedFirstOctetChangesTheClass", {Type(P1, "300")}},
                      Scenario{"SecondBoxBeforeTheFirst", {Type(P2, "5")}},
                      Scenario{"ClearedFirstBoxShowsOneAndKeepsTheMask",
                               {Type(P1, "10"), Pick("255.255.0.0"), Clear(P1), Type(P1, "20")}},
                      Scenario{"OptionClickedTwiceBeforeAnyAddress",
                               {Click(Field::Subsuper2), Click(Field::Subsuper2), Type(P1, "1")}},
                      Scenario{"NotApplicablePickedAgain",
                               {Type(P1, "230"), Pick("N/A"), Pick("N/A")}},
                      Scenario{"PastesAndBackspaces",
                               {Paste(P1, "172.16"), Back(P1, 1), Paste(P2, "16"), Paste(P2, "16"),
                                Type(P3, "999"),
                                Type(P4, "\xF0\x9F\x98\x80"
                                         "1")}},
                      Scenario{"FullListOfThreeHundredLines",
                               {Type(P1, "10"), Pick("255.255.255.252"),
                                Type(Field::AccessListBox, "note\t\r\xC2\x85"), Back(P1, 1)}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace quorvane
