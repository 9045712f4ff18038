// SPDX-License-Identifier: MIT
#include "Calculators.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvane {
namespace {

TEST(ReadAddress, ClassifiesAndShowsTheAddress)
{
    const struct {
        const char* address;
        std::int16_t netClass;
        const char* classCaption;
        const char* netId;
        const char* hostId;
        const char* binHost;
        const char* decIp;
    } rows[] = {
        {"10.1.2.3", 1, "A", "10.x.x.x", "x.1.2.3", "00001010 00000001 00000010 00000011",
         "167838211"},
        {"127.0.0.1", 1, "Loopback", "127.x.x.x", "x.0.0.1", "01111111 00000000 00000000 00000001",
         "2130706433"},
        {"172.16.5.6", 2, "B", "172.16.x.x", "x.x.5.6", "10101100 00010000 00000101 00000110",
         "2886731014"},
        {"192.168.1.4", 3, "C", "192.168.1.x", "x.x.x.4", "11000000 10101000 00000001 00000100",
         "3232235780"},
        {"224.0.0.5", 4, "Multicast", "N/A", "N/A", "11100000 00000000 00000000 00000101",
         "3758096389"},
        {"250.1.1.1", 5, "Experimental", "N/A", "N/A", "11111010 00000001 00000001 00000001",
         "4194369793"},
        {"0.0.0.0", 1, "A", "1.x.x.x", "x.0.0.0", "00000001 00000000 00000000 00000000",
         "16777216"},
        {"255.255.255.255", 5, "Experimental", "N/A", "N/A", "11111111 11111111 11111111 11111111",
         "4294967295"},
        {"010.005.1.007", 1, "A", "10.x.x.x", "x.5.1.7", "00001010 00000101 00000001 00000111",
         "168100103"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.address);
        Calculator calc;
        calc.Enter(row.address);
        EXPECT_EQ(calc.things().NetClass, row.netClass);
        EXPECT_EQ(calc[Field::Class], row.classCaption);
        EXPECT_EQ(calc[Field::NetID], row.netId);
        EXPECT_EQ(calc[Field::HostID], row.hostId);
        EXPECT_EQ(calc[Field::BinHost], row.binHost);
        EXPECT_EQ(calc[Field::DecIP], row.decIp);
    }
}

TEST(ReadAddress, ClassBoundariesOfTheFirstOctet)
{
    const struct {
        const char* first;
        std::int16_t netClass;
        const char* caption;
    } rows[] = {
        {"1", 1, "A"},
        {"126", 1, "A"},
        {"127", 1, "Loopback"},
        {"128", 2, "B"},
        {"191", 2, "B"},
        {"192", 3, "C"},
        {"223", 3, "C"},
        {"224", 4, "Multicast"},
        {"239", 4, "Multicast"},
        {"240", 5, "Experimental"},
        {"255", 5, "Experimental"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.first);
        Calculator calc;
        calc.Enter(row.first, "1", "2", "3");
        EXPECT_EQ(calc.things().NetClass, row.netClass);
        EXPECT_EQ(calc[Field::Class], row.caption);
    }
}

// Out-of-range octets are corrected in their boxes; in-range text stays as typed.
// Each row changes one box of 10.20.30.40 and runs ReadAddress once.
TEST(ReadAddress, CorrectsOnlyOctetsOutsideTheirRange)
{
    const struct {
        int box; // 0..3
        const char* typed;
        const char* shown; // the box's text afterwards
        int octet;         // the value the address uses
    } rows[] = {
        {1, "300", "255", 255},
        {0, "300", "255", 255},
        {0, "-5", "1", 1},
        {3, "-5", "0", 0},
        {0, "abc", "1", 1},
        {2, "abc", "abc", 0},
        {0, "", "1", 1},
        {1, "", "", 0},
        {3, "12x", "12x", 12},
        {1, "2.5", "2.5", 2},
        {1, "3.5", "3.5", 4},
        {0, "0.5", "1", 1},
        {0, "1.5", "1.5", 2},
        {3, "-0", "-0", 0},
        {3, "-0.5", "-0.5", 0},
        {3, "-0.6", "0", 0},
        {1, "254.5", "254.5", 254},
        {1, "255.5", "255", 255},
        {3, "1e3", "255", 255},
        {2, "9e9", "255", 255},
        {2, "1e5", "255", 255},
        {1, "40000", "255", 255},
        {1, "65536", "255", 255},
        {1, "65791", "255", 255},
        {1, "-40000", "0", 0},
        {1, "-65536", "0", 0},
        {1, "1e400", "255", 255},
        {0, "-1e400", "1", 1},
        {2, "1e-400", "1e-400", 0},
        {0, "inf", "1", 1},
        {2, "nan", "nan", 0},
        {2, "0x10", "0x10", 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE("box " + std::to_string(row.box + 1) + " \"" + row.typed + "\"");
        BareCalculator calc;
        std::array<std::string, 4> boxes{"10", "20", "30", "40"};
        std::array<int, 4> octets{10, 20, 30, 40};
        boxes[row.box] = row.typed;
        octets[row.box] = row.octet;
        calc.SetBoxes(boxes[0], boxes[1], boxes[2], boxes[3]);
        calc.things.ReadAddress();

        boxes[row.box] = row.shown;
        for (std::size_t i = 0; i < 4; ++i)
            EXPECT_EQ(calc.window.Text(kOctetBoxes[i]), boxes[i]);
        const double decimal =
            ((octets[0] * 256.0 + octets[1]) * 256 + octets[2]) * 256 + octets[3];
        EXPECT_EQ(calc.window.Caption(Field::DecIP),
                  std::to_string(static_cast<long long>(decimal)));
    }
}

TEST(ReadAddress, ACorrectionRunsTheBoxHandlerAndEndsConsistent)
{
    const struct {
        const char* name;
        const char* boxes[4];
        const char* shown[4];
        const char* netId;
        const char* decIp;
    } rows[] = {
        {"box 1 emptied", {"", "0", "0", "0"}, {"1", "0", "0", "0"}, "1.x.x.x", "16777216"},
        {"all zeros", {"0", "0", "0", "0"}, {"1", "0", "0", "0"}, "1.x.x.x", "16777216"},
        {"-5 in box 1", {"-5", "2", "3", "4"}, {"1", "2", "3", "4"}, "1.x.x.x", "16909060"},
        {"300 in box 2",
         {"172", "300", "1", "1"},
         {"172", "255", "1", "1"},
         "172.255.x.x",
         "2902393089"},
        {"1e3 in box 4",
         {"192", "168", "1", "1e3"},
         {"192", "168", "1", "255"},
         "192.168.1.x",
         "3232236031"},
        {"abc in box 3",
         {"192", "168", "abc", "5"},
         {"192", "168", "abc", "5"},
         "192.168.0.x",
         "3232235525"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Calculator calc;
        calc.Enter(row.boxes[0], row.boxes[1], row.boxes[2], row.boxes[3]);
        for (std::size_t i = 0; i < 4; ++i)
            EXPECT_EQ(calc[kOctetBoxes[i]], row.shown[i]);
        EXPECT_EQ(calc[Field::NetID], row.netId);
        EXPECT_EQ(calc[Field::DecIP], row.decIp);
        EXPECT_FALSE(calc[Field::IPSubnet].empty()) << "the calculation ran";
    }
}

TEST(ReadAddress, TypingIntoALaterBoxFillsTheEmptyFirstBox)
{
    Calculator calc;
    calc.window().Type(Field::IP_Part3, "7");
    EXPECT_EQ(calc[Field::IP_Part1], "1");
    EXPECT_EQ(calc[Field::IP_Part2], "");
    EXPECT_EQ(calc[Field::IP_Part3], "7");
    EXPECT_EQ(calc[Field::Class], "A");
    EXPECT_EQ(calc[Field::HostID], "x.0.7.0");
    EXPECT_EQ(calc.things().MaskBits, 8);
}

} // namespace
} // namespace quorvane
