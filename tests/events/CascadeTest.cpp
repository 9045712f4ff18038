// SPDX-License-Identifier: MIT
// How one user action cascades through the handlers: refills of the mask list,
// runs of the calculation, and the nesting of events inside the writes that raise them.
#include "ProgramFixture.h"

#include <functional>

namespace quorvane {
namespace {

using Ops = std::vector<OperationLog::Operation>;

struct ActionCase {
    const char* name;
    std::function<void(FieldModel&)> setUp;
    std::function<void(FieldModel&)> act;
    int refills;
    int calculations;
};

void PrintTo(const ActionCase& c, std::ostream* os)
{
    *os << c.name;
}

class CascadeCounts : public ProgramTest, public ::testing::WithParamInterface<ActionCase> {};

TEST_P(CascadeCounts, RefillsAndCalculationsPerUserAction)
{
    const ActionCase& c = GetParam();
    c.setUp(model);
    Take();
    c.act(model);
    const Ops ops = Take();
    EXPECT_EQ(Refills(ops), c.refills);
    EXPECT_EQ(Calculations(ops), c.calculations);
}

void ClassC(FieldModel& m)
{
    m.Type(Field::IP_Part1, "192");
    m.Type(Field::IP_Part2, "168");
    m.Type(Field::IP_Part3, "1");
    m.Type(Field::IP_Part4, "25");
}

INSTANTIATE_TEST_SUITE_P(
    PerAction, CascadeCounts,
    ::testing::Values(
        ActionCase{"OctetFourInRange", ClassC, [](FieldModel& m) { m.Type(Field::IP_Part4, "0"); },
                   0, 1},
        ActionCase{"OctetFourCorrected", ClassC,
                   [](FieldModel& m) { m.Type(Field::IP_Part4, "6"); }, 0, 2},
        ActionCase{"OctetOneSameClass", [](FieldModel& m) { m.Type(Field::IP_Part1, "1"); },
                   [](FieldModel& m) { m.Type(Field::IP_Part1, "0"); }, 0, 1},
        ActionCase{"OctetOneNewClass", [](FieldModel& m) { m.Type(Field::IP_Part1, "19"); },
                   [](FieldModel& m) { m.Type(Field::IP_Part1, "2"); }, 1, 2},
        ActionCase{"OctetOneCorrectedSameClass",
                   [](FieldModel& m) { m.Type(Field::IP_Part1, "255"); },
                   [](FieldModel& m) { m.Paste(Field::IP_Part1, "999"); }, 0, 2},
        ActionCase{"OctetOneCorrectedNewClass",
                   [](FieldModel& m) { m.Type(Field::IP_Part1, "30"); },
                   [](FieldModel& m) { m.Type(Field::IP_Part1, "0"); }, 2, 4},
        ActionCase{"MaskPicked", ClassC, [](FieldModel& m) { m.Pick("255.255.255.192"); }, 0, 1},
        ActionCase{"SupernetClicked", ClassC, [](FieldModel& m) { m.Click(Field::Subsuper2); }, 1,
                   2},
        ActionCase{"SubnetClickedAgain", ClassC, [](FieldModel& m) { m.Click(Field::Subsuper1); },
                   1, 2},
        ActionCase{"FirstActionInBoxTwo", [](FieldModel&) {},
                   [](FieldModel& m) { m.Type(Field::IP_Part2, "5"); }, 1, 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProgramTest, TypingAClassCAddressEndsWithItsDefaultMask)
{
    model.Type(Field::IP_Part1, "1");
    Ops ops = Take();
    EXPECT_EQ(Refills(ops), 1);
    EXPECT_EQ(Calculations(ops), 2);
    EXPECT_EQ(model.ListEntries().size(), 24u);
    EXPECT_EQ(things.MaskBits, 8);

    model.Type(Field::IP_Part1, "9");
    ops = Take();
    EXPECT_EQ(Refills(ops), 0);
    EXPECT_EQ(Calculations(ops), 1);

    model.Type(Field::IP_Part1, "2");
    EXPECT_EQ(model.ListEntries().size(), 8u);
    EXPECT_EQ(model.ListSelected(), "255.255.255.0");
    EXPECT_EQ(things.MaskBits, 24);
    EXPECT_EQ(model.Caption(Field::IPSubnet), "192.0.0.0");
    EXPECT_EQ(model.Caption(Field::IPBroadcast), "192.0.0.255");
}

TEST_F(ProgramTest, SupernetRefillsAndDropsThePickedMask)
{
    EnterOctets(model, {"192", "168", "1", "10"});
    model.Pick("255.255.255.192");
    ASSERT_EQ(things.MaskBits, 26);

    model.Click(Field::Subsuper2);
    EXPECT_EQ(model.Caption(Field::SubnetBitsLabel), "CIDR Mask Bits:");
    EXPECT_EQ(model.Caption(Field::MaxSubnetsLabel), "Subnets/Block:");
    EXPECT_EQ(model.Caption(Field::TotalHostsValue), "N/A");
    EXPECT_EQ(model.Caption(Field::PercVal), "N/A");
    EXPECT_EQ(model.ListEntries().size(), 23u);
    EXPECT_EQ(things.MaskBits, 24);
    EXPECT_EQ(model.Text(Field::AccessListBox), "");

    model.Pick("255.255.252.0");
    EXPECT_EQ(things.MaskBits, 22);
    EXPECT_EQ(model.Caption(Field::IPBroadcast), "192.168.3.255");
    EXPECT_EQ(model.Caption(Field::TotalHostsValue), "N/A");

    model.Click(Field::Subsuper1);
    EXPECT_EQ(model.Caption(Field::SubnetBitsLabel), "Subnet Bits:");
    EXPECT_EQ(model.Caption(Field::MaxSubnetsLabel), "Max. Subnets:");
    EXPECT_EQ(model.ListEntries().size(), 8u);
    EXPECT_EQ(things.MaskBits, 24);
    EXPECT_EQ(model.Caption(Field::TotalHostsValue), "254");
    EXPECT_EQ(model.Caption(Field::PercVal), "100%");
}

TEST_F(ProgramTest, CorrectedFirstOctetRunsNestedHandlerBeforeTheOuterOneGoesOn)
{
    model.Type(Field::IP_Part1, "30");
    Take();
    model.Type(Field::IP_Part1, "0");
    const Ops ops = Take();

    // The correction is written first, then the nested handler runs inside that write.
    ASSERT_GE(ops.size(), 3u);
    EXPECT_EQ(ops[0], (OperationLog::Operation{"event", "IP_Part1_Change"}));
    EXPECT_EQ(ops[1], (OperationLog::Operation{"set", "IP_Part1", "255"}));
    EXPECT_EQ(ops[2], (OperationLog::Operation{"event", "IP_Part1_Change"}));
    EXPECT_EQ(Events(ops, "SubnetList_Click"), 2);

    EXPECT_EQ(model.Text(Field::IP_Part1), "255");
    EXPECT_EQ(model.Caption(Field::Class), "Experimental");
    EXPECT_EQ(model.ListEntries(), std::vector<std::string>{"N/A"});
    EXPECT_EQ(model.ListSelected(), "N/A");
    EXPECT_EQ(things.MaskBits, 8);
    EXPECT_EQ(model.Caption(Field::DecIP), "4278190080");
}

TEST_F(ProgramTest, FirstKeystrokeInBoxTwoFillsBoxOne)
{
    model.Type(Field::IP_Part2, "5");
    EXPECT_EQ(model.Text(Field::IP_Part1), "1");
    EXPECT_EQ(model.Caption(Field::HostID), "x.5.0.0");
    EXPECT_EQ(model.ListSelected(), "255.0.0.0");
    EXPECT_EQ(things.MaskBits, 8);
}

TEST_F(ProgramTest, OutOfRangePasteBeforeAnyMaskShowsOnlyFinishedResults)
{
    // Box 1's correction nests box 2's, whose calculation has a class but no mask yet.
    model.Paste(Field::IP_Part2, "300");
    const Ops ops = Take();
    for (const auto& op : ops) {
        if (op[0] == "set") {
            EXPECT_EQ(op[2].find('-'), std::string::npos) << op[1] << " = " << op[2];
        }
    }
    EXPECT_EQ(model.Text(Field::IP_Part1), "1");
    EXPECT_EQ(model.Text(Field::IP_Part2), "255");
    EXPECT_EQ(model.Caption(Field::MaxSubnetsValue), "0");
    EXPECT_EQ(model.Caption(Field::PercVal), "100%");
    // The outer run writes "255" once more into a box that holds it: no second nested run.
    EXPECT_EQ(Events(ops, "IP_Part2_Change"), 2);
}

TEST_F(ProgramTest, OptionBeforeAnyAddressListsClassANothingSelected)
{
    model.Click(Field::Subsuper2);
    EXPECT_EQ(model.ListEntries().size(), 7u);
    EXPECT_EQ(model.ListSelected(), "");
    EXPECT_EQ(things.MaskBits, 0);
    EXPECT_EQ(model.Caption(Field::HostBitsValue), "");

    model.Type(Field::IP_Part1, "10");
    EXPECT_EQ(things.MaskBits, 8);
    EXPECT_EQ(model.Caption(Field::MaxHostsValue), "16777214");
}

TEST_F(ProgramTest, SameClassKeepsPickedMaskOtherClassResetsIt)
{
    EnterOctets(model, {"10", "0", "0", "0"});
    model.Pick("255.255.255.0");
    for (const char* sameClass : {"20", "126", "127", "1"}) {
        SCOPED_TRACE(sameClass);
        model.Paste(Field::IP_Part1, sameClass);
        EXPECT_EQ(model.ListSelected(), "255.255.255.0");
        EXPECT_EQ(things.MaskBits, 24);
    }
    EXPECT_EQ(model.Caption(Field::Class), "A");

    model.Paste(Field::IP_Part1, "128");
    EXPECT_EQ(model.Caption(Field::Class), "B");
    EXPECT_EQ(model.ListSelected(), "255.255.0.0");
    EXPECT_EQ(things.MaskBits, 16);
}

TEST_F(ProgramTest, EmptiedFirstBoxShowsOneAndKeepsClassAMask)
{
    EnterOctets(model, {"10", "1", "2", "3"});
    model.Pick("255.255.255.0");
    model.Clear(Field::IP_Part1);
    EXPECT_EQ(model.Text(Field::IP_Part1), "1");
    EXPECT_EQ(model.Caption(Field::NetID), "1.x.x.x");
    EXPECT_EQ(model.ListSelected(), "255.255.255.0");
}

TEST_F(ProgramTest, NotApplicableClassKeepsPrefixAndEmptiesTheListBox)
{
    EnterOctets(model, {"192", "168", "1", "0"});
    model.Pick("255.255.255.192");
    ASSERT_FALSE(model.Text(Field::AccessListBox).empty());

    model.Paste(Field::IP_Part1, "224");
    EXPECT_EQ(model.ListSelected(), "N/A");
    EXPECT_EQ(things.MaskBits, 26);
    EXPECT_EQ(model.Text(Field::AccessListBox), "");
    EXPECT_EQ(model.Caption(Field::IPSubnet), "N/A");

    Take();
    model.Pick("N/A");
    const Ops ops = Take();
    EXPECT_EQ(Calculations(ops), 1);
    EXPECT_EQ(things.MaskBits, 26);
}

TEST_F(ProgramTest, ReclickingTheSelectedOptionRefillsTheList)
{
    EnterOctets(model, {"192", "168", "1", "0"});
    model.Pick("255.255.255.192");
    model.Click(Field::Subsuper1);
    EXPECT_TRUE(model.OptionSelected(Field::Subsuper1));
    EXPECT_EQ(model.ListSelected(), "255.255.255.0");
    EXPECT_EQ(things.MaskBits, 24);
}

} // namespace
} // namespace quorvane
