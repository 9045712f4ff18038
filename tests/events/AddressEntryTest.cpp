// SPDX-License-Identifier: MIT
// Where a text holds an address, and the prefix it gives it.
#include "AddressEntry.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace quorvane {
namespace {

struct Pasted {
    const char* name;
    std::string text;
    // The four groups joined by "/" (so that a group may hold anything), or empty
    // when the text is no address.
    std::string octets;
    std::optional<int> prefix;
};

void PrintTo(const Pasted& pasted, std::ostream* os)
{
    *os << pasted.name;
}

class FindAddressTest : public ::testing::TestWithParam<Pasted> {};

TEST_P(FindAddressTest, FindsTheGroupsAsWrittenAndThePrefix)
{
    const Pasted& p = GetParam();
    const auto address = FindAddress(p.text);
    if (p.octets.empty()) {
        EXPECT_FALSE(address.has_value());
        return;
    }
    ASSERT_TRUE(address.has_value());
    const auto& o = address->octets;
    EXPECT_EQ(o[0] + "/" + o[1] + "/" + o[2] + "/" + o[3], p.octets);
    EXPECT_EQ(address->prefix, p.prefix);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FindAddressTest,
    ::testing::Values(Pasted{"Plain", "192.168.1.10", "192/168/1/10", std::nullopt},
                      Pasted{"Prefix", "192.168.1.10/26", "192/168/1/10", 26},
                      Pasted{"SpacesAroundSlash", "10.0.0.0 / 31", "10/0/0/0", 31},
                      Pasted{"OneDigitPrefix", "10.0.0.0/ 8", "10/0/0/0", 8},
                      Pasted{"PrefixOutOfRangeStillCarried", "1.2.3.4/33", "1/2/3/4", 33},
                      Pasted{"ThreeDigitPrefix", "1.2.3.4/123", "1/2/3/4", 123},
                      Pasted{"TabAroundSlash", "1.2.3.4\t/24", "1/2/3/4", 24},
                      Pasted{"OtherNoBreakSpaces", "1.2.3.4\u202f/\u200724", "1/2/3/4", 24},
                      Pasted{"NothingAfterSlash", "1.2.3.4/", "1/2/3/4", std::nullopt},
                      Pasted{"MaskAfterSpaces", " 172.16.5.4   255.255.255.0 ", "172/16/5/4", 24},
                      Pasted{"MaskAfterTab", "172.16.5.4\t255.255.0.0", "172/16/5/4", 16},
                      Pasted{"MaskNotInTheTable", "1.2.3.4 255.255.255.3", "1/2/3/4", std::nullopt},
                      Pasted{"MaskWithLeadingZeros", "1.2.3.4 255.255.255.000", "1/2/3/4", 24},
                      Pasted{"MaskWithoutSeparator", "1.2.3.4255.0.0.0", "", std::nullopt},
                      Pasted{"GroupsAsWritten", "01.002.300.999/27", "01/002/300/999", 27},
                      Pasted{"LineEndsTrimmed", "\r\n\t10.1.2.3\r\n", "10/1/2/3", std::nullopt},
                      Pasted{"MaskOnTheNextLine", "10.1.2.3\n255.0.0.0", "10/1/2/3", 8},
                      Pasted{"ThreeGroups", "192.168.1", "", std::nullopt},
                      Pasted{"FiveGroups", "1.2.3.4.5", "", std::nullopt},
                      Pasted{"FourDigitGroup", "1234.1.1.1", "", std::nullopt},
                      Pasted{"EmptyGroup", "1..2.3", "", std::nullopt},
                      Pasted{"WordsAfter", "1.2.3.4 is mine", "1/2/3/4", std::nullopt},
                      Pasted{"FullWidthDigit", "\xEF\xBC\x91.2.3.4", "", std::nullopt},
                      Pasted{"Blank", " \t\r\n", "", std::nullopt},
                      Pasted{"GluedToLetter", "V1.2.3.4 1.2.3.5x 1.2.3.6", "1/2/3/6", std::nullopt},
                      Pasted{"ThreeDigitsAfterTheSlash", "10.1.2.3/245", "10/1/2/3", 245},
                      Pasted{"HostWildcardIsNoListPrefix", "10.0.0.9 0.0.0.0", "10/0/0/9", 32},
                      Pasted{"AllOnesMaskIsOneHost", "10.0.0.9 255.255.255.255", "10/0/0/9", 32},
                      Pasted{"WildcardOver255", "1.2.3.4 0.0.0.511", "1/2/3/4", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace quorvane
