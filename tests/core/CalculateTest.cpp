// SPDX-License-Identifier: MIT
#include "Calculators.h"
#include "HostLines.h"
#include "LocaleNames.h"

#include <gtest/gtest.h>

#include <clocale>
#include <map>
#include <string>

namespace quorvane {
namespace {

using oracle::ListLine;

struct Figures {
    const char* name;
    const char* address;
    bool supernet;
    int prefix;
    const char* hostBits;
    const char* subnetBits;
    const char* subnets;
    const char* hosts;
    const char* totalHosts; // "N/A" in Supernet mode, from the option handler
    const char* efficiency;
};

void ExpectFigures(std::initializer_list<Figures> rows)
{
    for (const Figures& row : rows) {
        SCOPED_TRACE(row.name);
        Calculator calc;
        calc.Enter(row.address);
        if (row.supernet) calc.Supernet();
        ASSERT_TRUE(calc.Prefix(row.prefix));
        EXPECT_EQ(calc[Field::HostBitsValue], row.hostBits);
        EXPECT_EQ(calc[Field::SubnetBitsValue], row.subnetBits);
        EXPECT_EQ(calc[Field::MaskBitsValue], std::to_string(row.prefix));
        EXPECT_EQ(calc[Field::MaxSubnetsValue], row.subnets);
        EXPECT_EQ(calc[Field::MaxHostsValue], row.hosts);
        EXPECT_EQ(calc[Field::TotalHostsValue], row.totalHosts);
        EXPECT_EQ(calc[Field::PercVal], row.efficiency);
    }
}

TEST(Calculate, ClassCSubnetFigures)
{
    ExpectFigures({
        {"/24", "192.168.1.77", false, 24, "8", "0", "0", "N/A", "254", "100%"},
        {"/25", "192.0.0.0", false, 25, "7", "1", "1", "126", "126", "49.6%"},
        {"/26", "223.255.255.255", false, 26, "6", "2", "2", "62", "124", "48.8%"},
        {"/27", "200.1.2.3", false, 27, "5", "3", "6", "30", "180", "70.9%"},
        {"/28", "192.168.1.77", false, 28, "4", "4", "14", "14", "196", "77.2%"},
        {"/29", "192.168.1.77", false, 29, "3", "5", "30", "6", "180", "70.9%"},
        {"/30", "192.168.1.77", false, 30, "2", "6", "62", "2", "124", "48.8%"},
        {"/31", "192.168.1.77", false, 31, "1", "7", "126", "1", "126", "49.6%"},
    });
}

TEST(Calculate, OtherClassesAndSupernetFigures)
{
    ExpectFigures({
        {"Subnet B /16", "172.16.5.6", false, 16, "16", "0", "0", "N/A", "65534", "100%"},
        {"Subnet B /18", "172.16.5.6", false, 18, "14", "2", "2", "16382", "32764", "50%"},
        {"Subnet B /24", "191.255.0.1", false, 24, "8", "8", "254", "254", "64516", "98.4%"},
        {"Subnet A /8", "10.1.2.3", false, 8, "24", "0", "0", "N/A", "16777214", "100%"},
        {"Subnet A /16", "10.1.2.3", false, 16, "16", "8", "254", "65534", "16645636", "99.2%"},
        {"Subnet A /31", "127.0.0.1", false, 31, "1", "23", "8388606", "1", "8388606", "50%"},
        {"Supernet C /24", "192.168.4.0", true, 24, "8", "0", "0", "254", "N/A", "N/A"},
        {"Supernet C /22", "192.168.4.0", true, 22, "10", "2", "2", "1022", "N/A", "N/A"},
        {"Supernet C /16", "192.168.4.0", true, 16, "16", "8", "254", "65534", "N/A", "N/A"},
        {"Supernet B /12", "172.16.0.0", true, 12, "20", "4", "14", "1048574", "N/A", "N/A"},
        {"Supernet A /2", "10.0.0.0", true, 2, "30", "6", "62", "1073741822", "N/A", "N/A"},
        {"Supernet A /8", "1.0.0.0", true, 8, "24", "0", "0", "16777214", "N/A", "N/A"},
    });
}

TEST(Calculate, SubnetOf192_168_1_0Slash26FieldByField)
{
    Calculator calc;
    calc.Enter("192.168.1.0");
    ASSERT_TRUE(calc.Prefix(26));
    const std::map<Field, std::string> expected{
        {Field::IP_Part1, "192"},
        {Field::IP_Part2, "168"},
        {Field::IP_Part3, "1"},
        {Field::IP_Part4, "0"},
        {Field::Class, "C"},
        {Field::NetID, "192.168.1.x"},
        {Field::HostID, "x.x.x.0"},
        {Field::DecIP, "3232235776"},
        {Field::BinHost, "11000000 10101000 00000001 00000000"},
        {Field::SubnetBitsLabel, "Subnet Bits:"},
        {Field::MaxSubnetsLabel, "Max. Subnets:"},
        {Field::HostBitsValue, "6"},
        {Field::SubnetBitsValue, "2"},
        {Field::MaskBitsValue, "26"},
        {Field::MaxSubnetsValue, "2"},
        {Field::MaxHostsValue, "62"},
        {Field::TotalHostsValue, "124"},
        {Field::PercVal, "48.8%"},
        {Field::BinMask, "11111111 11111111 11111111 11000000"},
        {Field::BinSubnet, "11000000 10101000 00000001 00000000"},
        {Field::BinBC, "11000000 10101000 00000001 00111111"},
        {Field::IPSubnet, "192.168.1.0"},
        {Field::IPBroadcast, "192.168.1.63"},
        {Field::AccessListBox,
         ListLine("1) 192.168.1.0", 12, "192.168.1.1 to 192.168.1.62", 14, "192.168.1.63") +
             ListLine("2) 192.168.1.64", 10, "192.168.1.65 to 192.168.1.126", 10, "192.168.1.127")},
    };
    for (const FieldInfo& info : kFieldCatalogue) {
        SCOPED_TRACE(std::string(info.name));
        const auto it = expected.find(info.field);
        EXPECT_EQ(calc[info.field], it == expected.end() ? "" : it->second);
    }
    EXPECT_EQ(calc.window().ListSelected(), "255.255.255.192");
    EXPECT_EQ(calc.things().MaskBits, 26);
}

TEST(Calculate, SubnetIsTheOneThatHoldsTheAddress)
{
    const struct {
        const char* address;
        bool supernet;
        int prefix;
        const char* binSubnet;
        const char* binBroadcast;
        const char* subnet;
        const char* broadcast;
    } rows[] = {
        {"192.168.1.200", false, 26, "11000000 10101000 00000001 11000000",
         "11000000 10101000 00000001 11111111", "192.168.1.192", "192.168.1.255"},
        {"192.168.4.0", true, 22, "11000000 10101000 00000100 00000000",
         "11000000 10101000 00000111 11111111", "192.168.4.0", "192.168.7.255"},
        {"192.168.5.9", true, 22, "11000000 10101000 00000100 00000000",
         "11000000 10101000 00000111 11111111", "192.168.4.0", "192.168.7.255"},
        {"10.200.3.4", false, 8, "00001010 00000000 00000000 00000000",
         "00001010 11111111 11111111 11111111", "10.0.0.0", "10.255.255.255"},
        {"223.255.255.255", true, 2, "11000000 00000000 00000000 00000000",
         "11111111 11111111 11111111 11111111", "192.0.0.0", "255.255.255.255"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.address) + "/" + std::to_string(row.prefix));
        Calculator calc;
        calc.Enter(row.address);
        if (row.supernet) calc.Supernet();
        ASSERT_TRUE(calc.Prefix(row.prefix));
        EXPECT_EQ(calc[Field::BinSubnet], row.binSubnet);
        EXPECT_EQ(calc[Field::BinBC], row.binBroadcast);
        EXPECT_EQ(calc[Field::IPSubnet], row.subnet);
        EXPECT_EQ(calc[Field::IPBroadcast], row.broadcast);
    }
}

TEST(Calculate, SupernetEmptiesTheListAndShowsNoTotals)
{
    Calculator calc;
    calc.Enter("192.168.4.0");
    ASSERT_TRUE(calc.Prefix(26));
    ASSERT_FALSE(calc[Field::AccessListBox].empty());
    calc.Supernet();
    ASSERT_TRUE(calc.Prefix(22));
    EXPECT_EQ(calc[Field::AccessListBox], "");
    EXPECT_EQ(calc[Field::BinMask], "11111111 11111111 11111100 00000000");
    EXPECT_EQ(calc[Field::TotalHostsValue], "N/A");
    EXPECT_EQ(calc[Field::PercVal], "N/A");
    EXPECT_EQ(calc[Field::SubnetBitsLabel], "CIDR Mask Bits:");
    EXPECT_EQ(calc[Field::MaxSubnetsLabel], "Subnets/Block:");
}

TEST(Calculate, SupernetRunLeavesTotalsAlone)
{
    BareCalculator calc;
    calc.SetBoxes("192", "168", "4", "0");
    calc.things.ReadAddress();
    calc.things.SubSuperMode = mode::kSupernet;
    calc.things.MaskBits = 22;
    calc.window.SetCaption(Field::TotalHostsValue, "untouched");
    calc.window.SetCaption(Field::PercVal, "untouched");
    calc.window.SetText(Field::AccessListBox, "old list\r\n");
    calc.things.Calculate();
    EXPECT_EQ(calc.window.Caption(Field::TotalHostsValue), "untouched");
    EXPECT_EQ(calc.window.Caption(Field::PercVal), "untouched");
    EXPECT_EQ(calc.window.Text(Field::AccessListBox), "");
    EXPECT_EQ(calc.window.Caption(Field::IPBroadcast), "192.168.7.255");
}

// The list box is emptied too: a list of the earlier address would read as this one's.
TEST(Calculate, MulticastAndExperimentalShowNotApplicableAndEmptyTheList)
{
    for (const char* first : {"224", "239", "240", "255"}) {
        SCOPED_TRACE(first);
        Calculator calc;
        calc.Enter("192.168.1.0");
        ASSERT_TRUE(calc.Prefix(26));
        ASSERT_FALSE(calc[Field::AccessListBox].empty());
        calc.window().Paste(Field::IP_Part1, first);
        for (Field field : {Field::HostBitsValue, Field::SubnetBitsValue, Field::MaskBitsValue,
                            Field::MaxSubnetsValue, Field::MaxHostsValue, Field::TotalHostsValue,
                            Field::BinMask, Field::BinSubnet, Field::BinBC, Field::IPSubnet,
                            Field::IPBroadcast, Field::PercVal}) {
            EXPECT_EQ(calc[field], "N/A") << NameOf(field);
        }
        EXPECT_EQ(calc[Field::AccessListBox], "");
        EXPECT_EQ(calc.things().MaskBits, 26);
    }
}

// Project decision: with no address read yet, or no mask chosen for a class A to C
// address, a calculation has nothing to show and writes nothing.
TEST(Calculate, WithoutClassOrMaskLeavesEveryFieldUnchanged)
{
    const struct {
        std::int16_t netClass;
        std::int16_t maskBits;
        std::int16_t mode;
    } rows[] = {
        {0, 24, mode::kSubnet},  {0, 24, mode::kSupernet}, {0, 0, mode::kSubnet},
        {1, 0, mode::kSubnet},   {2, 0, mode::kSubnet},    {3, 0, mode::kSubnet},
        {1, 0, mode::kSupernet}, {3, 0, mode::kSupernet},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE("class " + std::to_string(row.netClass) + " mask bits " +
                     std::to_string(row.maskBits) + " mode " + std::to_string(row.mode));
        BareCalculator calc;
        for (const FieldInfo& info : kFieldCatalogue) {
            calc.window.SetText(info.field, "was " + std::string(info.name));
        }
        calc.window.SetCaption(Field::BinHost, "11000000 10101000 00000001 00000000");
        calc.things.NetClass = row.netClass;
        calc.things.MaskBits = row.maskBits;
        calc.things.SubSuperMode = row.mode;
        const auto before = Snapshot(calc.window);
        calc.things.Calculate();
        EXPECT_EQ(Snapshot(calc.window), before);
    }
}

TEST(Calculate, AnOptionBeforeAnyAddressShowsOnlyItsCaptions)
{
    Calculator calc;
    calc.Supernet();
    for (const FieldInfo& info : kFieldCatalogue) {
        SCOPED_TRACE(std::string(info.name));
        std::string expected;
        if (info.field == Field::SubnetBitsLabel) expected = "CIDR Mask Bits:";
        if (info.field == Field::MaxSubnetsLabel) expected = "Subnets/Block:";
        if (info.field == Field::TotalHostsValue || info.field == Field::PercVal) expected = "N/A";
        EXPECT_EQ(calc[info.field], expected);
    }
}

TEST(Calculate, RunningAgainChangesNothing)
{
    const struct {
        const char* name;
        const char* address;
        bool supernet;
        int prefix; // 0: the default
    } rows[] = {
        {"subnet", "192.168.1.200", false, 26}, {"classful", "172.16.0.0", false, 0},
        {"capped list", "10.1.2.3", false, 31}, {"supernet", "192.168.4.0", true, 22},
        {"multicast", "224.0.0.1", false, 0},   {"experimental", "250.1.1.1", true, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Calculator calc;
        calc.Enter(row.address);
        if (row.supernet) calc.Supernet();
        if (row.prefix != 0) {
            ASSERT_TRUE(calc.Prefix(row.prefix));
        }
        const auto before = Snapshot(calc.window());
        calc.things().Calculate();
        EXPECT_EQ(Snapshot(calc.window()), before);
        calc.things().Calculate();
        EXPECT_EQ(Snapshot(calc.window()), before);
    }
}

TEST(Calculate, EfficiencyUsesTheUsersDecimalSeparator)
{
    const struct {
        const char* address;
        int prefix;
        const char* efficiency;
    } rows[] = {
        {"192.168.1.0", 26, "48,8%"}, {"192.168.1.0", 24, "100%"}, {"172.16.0.0", 18, "50%"},
        {"10.0.0.0", 16, "99,2%"},    {"191.1.1.1", 24, "98,4%"},  {"172.16.0.0", 22, "96,7%"},
        {"10.0.0.0", 12, "87,5%"},    {"10.0.0.0", 13, "93,7%"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.address) + "/" + std::to_string(row.prefix));
        Calculator calc;
        calc.things().DecimalPoint = ",";
        calc.Enter(row.address);
        ASSERT_TRUE(calc.Prefix(row.prefix));
        EXPECT_EQ(calc[Field::PercVal], row.efficiency);
    }
}

// The process locale must not leak into any number the window shows.
class CalculateUnderLocale : public ::testing::TestWithParam<const char*> {
protected:
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

TEST_P(CalculateUnderLocale, NumbersStayPlain)
{
    if (std::setlocale(LC_ALL, GetParam()) == nullptr) {
        GTEST_SKIP() << GetParam() << " is not installed";
    }
    Calculator calc;
    calc.Enter("10", "0", "2.5", "0");
    ASSERT_TRUE(calc.Prefix(31));
    EXPECT_EQ(calc[Field::DecIP], "167772672");
    EXPECT_EQ(calc[Field::MaxSubnetsValue], "8388606");
    EXPECT_EQ(calc[Field::TotalHostsValue], "8388606");
    EXPECT_EQ(calc[Field::PercVal], "50%");
    calc.Enter("192.168.1.0");
    ASSERT_TRUE(calc.Prefix(26));
    EXPECT_EQ(calc[Field::PercVal], "48.8%");
}

INSTANTIATE_TEST_SUITE_P(DecimalComma, CalculateUnderLocale,
                         ::testing::Values(locale_names::kGerman, locale_names::kFrench),
                         [](const auto& info) { return std::string(info.param).substr(0, 5); });

} // namespace
} // namespace quorvane
