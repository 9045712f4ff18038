// SPDX-License-Identifier: MIT
#include "Calculators.h"
#include "HostLines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace quorvane {
namespace {

using oracle::ListLine;
using oracle::ParseHostLine;
using oracle::SplitCrLfLines;

struct ListCase {
    const char* name;
    const char* address;
    int prefix;
    std::size_t lineCount;
    std::vector<std::pair<std::size_t, std::string>> lines; // line number, whole line
};

std::string ListOf(const char* address, int prefix)
{
    Calculator calc;
    calc.Enter(address);
    EXPECT_TRUE(calc.Prefix(prefix));
    return calc[Field::AccessListBox];
}

void ExpectLists(const std::vector<ListCase>& cases)
{
    for (const ListCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string text = ListOf(c.address, c.prefix);
        const auto lines = SplitCrLfLines(text);
        ASSERT_TRUE(lines.has_value()) << "every line ends in CR LF";
        ASSERT_EQ(lines->size(), c.lineCount);
        for (const auto& [number, expected] : c.lines) {
            SCOPED_TRACE("line " + std::to_string(number));
            EXPECT_EQ(std::string((*lines)[number - 1]) + "\r\n", expected);
        }
        for (std::string_view line : *lines) {
            EXPECT_TRUE(ParseHostLine(line).has_value())
                << "malformed or octet above 255: " << line;
        }
    }
}

TEST(HostList, WorkedLists)
{
    ExpectLists({
        {"192.168.1.0/26",
         "192.168.1.0",
         26,
         2,
         {{1, ListLine("1) 192.168.1.0", 12, "192.168.1.1 to 192.168.1.62", 14, "192.168.1.63")},
          {2,
           ListLine("2) 192.168.1.64", 10, "192.168.1.65 to 192.168.1.126", 10, "192.168.1.127")}}},
        {"192.168.1.200/26 runs into the next network",
         "192.168.1.200",
         26,
         2,
         {{1,
           ListLine("1) 192.168.1.192", 8, "192.168.1.193 to 192.168.1.254", 8, "192.168.1.255")},
          {2, ListLine("2) 192.168.2.0", 12, "192.168.2.1 to 192.168.2.62", 14, "192.168.2.63")}}},
        {"172.16.0.0/18",
         "172.16.0.0",
         18,
         2,
         {{1, ListLine("1) 172.16.0.0", 14, "172.16.0.1 to 172.16.63.254", 14, "172.16.63.255")},
          {2,
           ListLine("2) 172.16.64.0", 12, "172.16.64.1 to 172.16.127.254", 10, "172.16.127.255")}}},
        {"172.16.5.77/26 is cut at 300 lines",
         "172.16.5.77",
         26,
         300,
         {{1, ListLine("1) 172.16.5.64", 12, "172.16.5.65 to 172.16.5.126", 14, "172.16.5.127")},
          {2, ListLine("2) 172.16.5.128", 10, "172.16.5.129 to 172.16.5.190", 12, "172.16.5.191")},
          {3, ListLine("3) 172.16.5.192", 10, "172.16.5.193 to 172.16.5.254", 12, "172.16.5.255")},
          {4, ListLine("4) 172.16.6.0", 14, "172.16.6.1 to 172.16.6.62", 18, "172.16.6.63")},
          {299,
           ListLine("299) 172.16.79.192", 4, "172.16.79.193 to 172.16.79.254", 8, "172.16.79.255")},
          {300,
           ListLine("300) 172.16.80.0", 8, "172.16.80.1 to 172.16.80.62", 14, "172.16.80.63")}}},
        {"10.0.0.0/10 borrows across two octets",
         "10.0.0.0",
         10,
         2,
         {{1, ListLine("1) 10.0.0.0", 18, "10.0.0.1 to 10.63.255.254", 18, "10.63.255.255")},
          {2, ListLine("2) 10.64.0.0", 16, "10.64.0.1 to 10.127.255.254", 14, "10.127.255.255")}}},
        {"/25 gives one line",
         "192.168.1.0",
         25,
         1,
         {{1,
           ListLine("1) 192.168.1.0", 12, "192.168.1.1 to 192.168.1.126", 12, "192.168.1.127")}}},
        {"long columns get no padding",
         "223.255.255.0",
         31,
         126,
         {{126, ListLine("126) 223.255.255.250", 0, "223.255.255.251 to 223.255.255.250", 0,
                         "223.255.255.251")}}},
        {"class C classful mask", "192.168.1.0", 24, 0, {}},
        {"class B classful mask", "172.16.0.0", 16, 0, {}},
        {"class A classful mask", "10.0.0.0", 8, 0, {}},
        {"class A /9 has one subnet", "10.128.0.0", 9, 1, {}},
        {"class A /31 is cut at 300 lines", "10.1.2.3", 31, 300, {}},
    });
}

TEST(HostList, Slash31ListsEveryPairOfAddresses)
{
    // Two blanks per character short of the column width.
    const auto pad = [](long width, const std::string& column) {
        return static_cast<std::size_t>(std::max(0L, width - 2 * static_cast<long>(column.size())));
    };
    ListCase slash31{"192.168.1.0/31", "192.168.1.0", 31, 126, {}};
    for (std::size_t k = 1; k <= 126; ++k) {
        const std::string even = "192.168.1." + std::to_string(2 * k - 2);
        const std::string odd = "192.168.1." + std::to_string(2 * k - 1);
        const std::string first = std::to_string(k) + ") " + even;
        const std::string range = odd + " to " + even;
        slash31.lines.emplace_back(k, ListLine(first, pad(40, first), range, pad(68, range), odd));
    }
    ExpectLists({slash31});
}

// Project decision: a list that runs past x.255.255.255 carries into the first octet,
// so it goes on with the addresses that follow and never shows an octet above 255.
TEST(HostList, LinesPastTheEndOfOctetTwoCarryIntoOctetOne)
{
    ExpectLists({
        {"10.192.0.0/10",
         "10.192.0.0",
         10,
         2,
         {{1, ListLine("1) 10.192.0.0", 14, "10.192.0.1 to 10.255.255.254", 12, "10.255.255.255")},
          {2, ListLine("2) 11.0.0.0", 18, "11.0.0.1 to 11.63.255.254", 18, "11.63.255.255")}}},
        {"127.192.0.0/10",
         "127.192.0.0",
         10,
         2,
         {{1,
           ListLine("1) 127.192.0.0", 12, "127.192.0.1 to 127.255.255.254", 8, "127.255.255.255")},
          {2, ListLine("2) 128.0.0.0", 16, "128.0.0.1 to 128.63.255.254", 14, "128.63.255.255")}}},
        {"172.255.255.192/26",
         "172.255.255.192",
         26,
         300,
         {{1, ListLine("1) 172.255.255.192", 4, "172.255.255.193 to 172.255.255.254", 0,
                       "172.255.255.255")},
          {2, ListLine("2) 173.0.0.0", 16, "173.0.0.1 to 173.0.0.62", 22, "173.0.0.63")},
          {300,
           ListLine("300) 173.0.74.128", 6, "173.0.74.129 to 173.0.74.190", 12, "173.0.74.191")}}},
        {"192.255.255.192/26",
         "192.255.255.192",
         26,
         2,
         {{1, ListLine("1) 192.255.255.192", 4, "192.255.255.193 to 192.255.255.254", 0,
                       "192.255.255.255")},
          {2, ListLine("2) 193.0.0.0", 16, "193.0.0.1 to 193.0.0.62", 22, "193.0.0.63")}}},
        {"223.255.255.192/26",
         "223.255.255.192",
         26,
         2,
         {{1, ListLine("1) 223.255.255.192", 4, "223.255.255.193 to 223.255.255.254", 0,
                       "223.255.255.255")},
          {2, ListLine("2) 224.0.0.0", 16, "224.0.0.1 to 224.0.0.62", 22, "224.0.0.63")}}},
    });
}

} // namespace
} // namespace quorvane
