// SPDX-License-Identifier: MIT
#include "Calculators.h"
#include "HostLines.h"
#include "MaskList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bitset>
#include <cstdint>
#include <ostream>
#include <random>
#include <string>
#include <vector>

// Random addresses of one class, every mask their lists offer in both modes: the
// window must agree with plain 32-bit arithmetic on the address.

namespace quorvane {
namespace {

using testing::Calculator;
using testing::Dotted;
using testing::MaskOf;
using testing::ParseHostLine;
using testing::SplitCrLfLines;

constexpr int kRandomAddressesPerClass = 400;
constexpr std::uint64_t kListCap = 300;

struct ClassRange {
    const char* name;
    std::uint32_t lowestFirstOctet;
    std::uint32_t highestFirstOctet;
    int classfulPrefix;
};

void PrintTo(const ClassRange& range, std::ostream* out)
{
    *out << "class " << range.name;
}

std::string Spaced(std::uint32_t value)
{
    std::string bits = std::bitset<32>(value).to_string();
    for (std::size_t at : {24, 16, 8})
        bits.insert(at, " ");
    return bits;
}

std::size_t Padding(long width, std::size_t used)
{
    return static_cast<std::size_t>(std::max(0L, width - 2 * static_cast<long>(used)));
}

::testing::AssertionResult ListAgrees(const std::string& text, std::uint32_t subnet, int prefix,
                                      std::uint64_t expectedLines)
{
    const auto lines = SplitCrLfLines(text);
    if (!lines) return ::testing::AssertionFailure() << "a line does not end in CR LF";
    if (lines->size() != expectedLines) {
        return ::testing::AssertionFailure() << lines->size() << " lines, not " << expectedLines;
    }
    const std::uint64_t size = std::uint64_t{1} << (32 - prefix);
    std::uint64_t expectedSubnet = subnet;
    for (std::size_t i = 0; i < lines->size(); ++i) {
        const std::string_view line = (*lines)[i];
        const auto parsed = ParseHostLine(line);
        if (!parsed) return ::testing::AssertionFailure() << "cannot read back: " << line;
        const std::uint64_t broadcast = parsed->subnet | (size - 1);
        if (parsed->number != i + 1 || parsed->subnet != expectedSubnet ||
            parsed->broadcast != broadcast || parsed->firstHost != parsed->subnet + 1 ||
            parsed->lastHost != broadcast - 1) {
            return ::testing::AssertionFailure()
                   << "line " << i + 1 << " should list " << Dotted(std::uint32_t(expectedSubnet))
                   << " to " << Dotted(std::uint32_t(expectedSubnet + size - 1)) << ": " << line;
        }
        if (parsed->gapAfterSubnet != Padding(40, parsed->numberAndSubnetLength) ||
            parsed->gapAfterRange != Padding(68, parsed->rangeLength)) {
            return ::testing::AssertionFailure()
                   << "column padding of line " << i + 1 << ": " << line;
        }
        expectedSubnet = broadcast + 1;
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult WindowAgrees(Calculator& calc, std::uint32_t address, int prefix,
                                        int classfulPrefix, bool supernet)
{
    const std::uint32_t mask = MaskOf(prefix);
    const std::uint32_t subnet = address & mask;
    const std::uint32_t broadcast = subnet | ~mask;
    const struct {
        Field field;
        std::string text;
    } expected[] = {
        {Field::MaskBitsValue, std::to_string(prefix)},
        {Field::BinMask, Spaced(mask)},
        {Field::BinSubnet, Spaced(subnet)},
        {Field::BinBC, Spaced(broadcast)},
        {Field::IPSubnet, Dotted(subnet)},
        {Field::IPBroadcast, Dotted(broadcast)},
    };
    for (const auto& [field, text] : expected) {
        if (calc[field] != text) {
            return ::testing::AssertionFailure()
                   << NameOf(field) << " is " << calc[field] << ", not " << text;
        }
    }
    if (supernet) {
        if (!calc[Field::AccessListBox].empty()) {
            return ::testing::AssertionFailure() << "Supernet mode shows a list";
        }
        return ::testing::AssertionSuccess();
    }

    // 2^s subnets of the classful network, less the all-zeros and all-ones ones
    // once there are at least four; one for s = 1; none for the classful mask.
    const int s = prefix - classfulPrefix;
    const std::uint64_t subnets = s == 0 ? 0 : s == 1 ? 1 : (std::uint64_t{1} << s) - 2;
    if (calc[Field::MaxSubnetsValue] != std::to_string(subnets)) {
        return ::testing::AssertionFailure()
               << "MaxSubnetsValue is " << calc[Field::MaxSubnetsValue] << ", not " << subnets;
    }
    return ListAgrees(calc[Field::AccessListBox], subnet, prefix, std::min(subnets, kListCap));
}

class SubnetProperty : public ::testing::TestWithParam<ClassRange> {};

TEST_P(SubnetProperty, AgreesWithIntegerArithmetic)
{
    const ClassRange range = GetParam();
    // The ends of the class first, where carries run furthest.
    std::vector<std::uint32_t> addresses{
        range.lowestFirstOctet << 24,
        range.lowestFirstOctet << 24 | 0xFFFFFF,
        range.highestFirstOctet << 24,
        range.highestFirstOctet << 24 | 0xFFFFFF,
        range.highestFirstOctet << 24 | 0xFFFFC0,
    };
    std::mt19937 random(0x5eed0000u + range.lowestFirstOctet);
    const std::uint32_t firstOctets = range.highestFirstOctet - range.lowestFirstOctet + 1;
    for (int i = 0; i < kRandomAddressesPerClass; ++i) {
        const std::uint32_t first = range.lowestFirstOctet + random() % firstOctets;
        addresses.push_back(first << 24 | (random() & 0xFFFFFF));
    }

    Calculator calc;
    int cases = 0;
    for (const std::uint32_t address : addresses) {
        calc.Enter(Dotted(address));
        ASSERT_EQ(calc[Field::DecIP], std::to_string(address)) << Dotted(address);
        for (const bool supernet : {false, true}) {
            supernet ? calc.Supernet() : calc.Subnet();
            for (const std::string& entry : calc.window().ListEntries()) {
                const auto prefix = PrefixForMask(entry);
                ASSERT_TRUE(prefix.has_value()) << entry;
                ASSERT_TRUE(calc.window().Pick(entry));
                ASSERT_TRUE(WindowAgrees(calc, address, *prefix, range.classfulPrefix, supernet))
                    << Dotted(address) << "/" << *prefix << (supernet ? " Supernet" : " Subnet");
                ++cases;
            }
        }
    }
    RecordProperty("cases", cases);
}

INSTANTIATE_TEST_SUITE_P(Classes, SubnetProperty,
                         ::testing::Values(ClassRange{"A", 1, 127, 8},
                                           ClassRange{"B", 128, 191, 16},
                                           ClassRange{"C", 192, 223, 24}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace quorvane
