// SPDX-License-Identifier: MIT
#include "MaskList.h"
#include "Calculators.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvane {
namespace {

using oracle::Dotted;
using oracle::MaskOf;

std::vector<std::string> Masks(std::initializer_list<std::pair<int, int>> runs)
{
    std::vector<std::string> masks;
    for (const auto& [from, to] : runs) {
        const int step = from <= to ? 1 : -1;
        for (int p = from; p != to + step; p += step)
            masks.push_back(Dotted(MaskOf(p)));
    }
    return masks;
}

TEST(FillMaskList, EntriesAndDefaultForEveryClassAndMode)
{
    const struct {
        std::int16_t netClass;
        std::int16_t mode;
        std::vector<std::string> entries;
        const char* selected;
        std::int16_t maskBits; // 5 beforehand
    } rows[] = {
        {0, mode::kSubnet, Masks({{8, 31}}), "", 5},
        {0, mode::kSupernet, Masks({{8, 2}}), "", 5},
        {1, mode::kSubnet, Masks({{8, 31}}), "255.0.0.0", 8},
        {1, mode::kSupernet, Masks({{8, 2}}), "255.0.0.0", 8},
        {2, mode::kSubnet, Masks({{16, 31}}), "255.255.0.0", 16},
        {2, mode::kSupernet, Masks({{16, 2}}), "255.255.0.0", 16},
        {3, mode::kSubnet, Masks({{24, 31}}), "255.255.255.0", 24},
        {3, mode::kSupernet, Masks({{24, 2}}), "255.255.255.0", 24},
        {4, mode::kSubnet, {"N/A"}, "N/A", 5},
        {4, mode::kSupernet, {"N/A"}, "N/A", 5},
        {5, mode::kSubnet, {"N/A"}, "N/A", 5},
        {5, mode::kSupernet, {"N/A"}, "N/A", 5},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE("class " + std::to_string(row.netClass) + " mode " + std::to_string(row.mode));
        Calculator calc;
        calc.window().ListAdd("left over");
        calc.things().NetClass = row.netClass;
        calc.things().SubSuperMode = row.mode;
        calc.things().MaskBits = 5;
        calc.things().FillMaskList();
        EXPECT_EQ(calc.window().ListEntries(), row.entries);
        EXPECT_EQ(calc.window().ListSelected(), row.selected);
        EXPECT_EQ(calc.things().MaskBits, row.maskBits);
    }
}

TEST(FillMaskList, ClassCListsSpelledOut)
{
    Calculator calc;
    calc.Enter("192.168.1.1");
    EXPECT_EQ(calc.window().ListEntries(),
              (std::vector<std::string>{"255.255.255.0", "255.255.255.128", "255.255.255.192",
                                        "255.255.255.224", "255.255.255.240", "255.255.255.248",
                                        "255.255.255.252", "255.255.255.254"}));
    calc.Supernet();
    const std::vector<std::string> entries = calc.window().ListEntries();
    ASSERT_EQ(entries.size(), 23u);
    EXPECT_EQ(entries[0], "255.255.255.0");
    EXPECT_EQ(entries[1], "255.255.254.0");
    EXPECT_EQ(entries[7], "255.255.128.0");
    EXPECT_EQ(entries[8], "255.255.0.0");
    EXPECT_EQ(entries[15], "255.128.0.0");
    EXPECT_EQ(entries[16], "255.0.0.0");
    EXPECT_EQ(entries[21], "224.0.0.0");
    EXPECT_EQ(entries[22], "192.0.0.0");
}

TEST(FillMaskList, SupernetBeforeAnyAddressSelectsNothing)
{
    Calculator calc;
    calc.Supernet();
    EXPECT_EQ(calc.window().ListEntries(), Masks({{8, 2}}));
    EXPECT_EQ(calc.window().ListSelected(), "");
    EXPECT_EQ(calc.things().MaskBits, 0);
}

TEST(FillMaskList, APickSurvivesTheSameClassAndResetsOnAnother)
{
    Calculator calc;
    calc.Enter("192.168.1.1");
    ASSERT_TRUE(calc.Prefix(27));
    calc.window().Paste(Field::IP_Part1, "200");
    EXPECT_EQ(calc.window().ListSelected(), "255.255.255.224");
    EXPECT_EQ(calc.things().MaskBits, 27);
    calc.window().Paste(Field::IP_Part1, "127");
    EXPECT_EQ(calc.window().ListSelected(), "255.0.0.0");
    EXPECT_EQ(calc.things().MaskBits, 8);
    calc.window().Paste(Field::IP_Part1, "224");
    EXPECT_EQ(calc.window().ListEntries(), std::vector<std::string>{"N/A"});
    EXPECT_EQ(calc.things().MaskBits, 8) << "N/A keeps the previous prefix";
}

TEST(PrefixForMask, MatchesOnlyTheExactTextOfAMask)
{
    for (int p = kShortestPrefix; p <= kLongestPrefix; ++p) {
        SCOPED_TRACE(p);
        EXPECT_EQ(PrefixForMask(Dotted(MaskOf(p))), p);
        EXPECT_EQ(MaskText(p), Dotted(MaskOf(p)));
    }
    for (const char* text :
         {"N/A", "", "255.255.255.0 ", " 255.255.255.0", "255.255.255.00", "255.255.255.0\n",
          "255.255.255.255", "128.0.0.0", "0.0.0.0", "255.255.255", "/24", "24"}) {
        SCOPED_TRACE(std::string("\"") + text + "\"");
        EXPECT_FALSE(PrefixForMask(text).has_value());
    }
}

} // namespace
} // namespace quorvane
