// SPDX-License-Identifier: MIT
#include "Addresses.h"
#include "Calculators.h"
#include "HostLines.h"
#include "MaskList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <random>
#include <string>
#include <vector>

// Random addresses of one class, every mask their lists offer in both modes: the
// window must agree with plain 32-bit arithmetic on the address.

namespace quorvane {
namespace {

using oracle::Dotted;
using oracle::MaskOf;
using oracle::Spaced;

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
    if (const auto problem = oracle::HostListProblem(calc[Field::AccessListBox], subnet,
                                                     32 - prefix, std::min(subnets, kListCap))) {
        return ::testing::AssertionFailure() << *problem;
    }
    return ::testing::AssertionSuccess();
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
