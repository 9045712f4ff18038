// SPDX-License-Identifier: MIT
#include "BitStrings.h"
#include "Format.h"
#include "HostList.h"
#include "MaskList.h"
#include "Things.h"

#include <array>
#include <cmath>
#include <string>

namespace quorvane {

namespace {

// The spaced mask: p ones then zeros, a blank after every group of eight.
std::string BinaryMask(int prefix)
{
    std::string bits;
    bits.reserve(35);
    for (int i = 0; i < 32; ++i) {
        if (bits.size() == 8 || bits.size() == 17 || bits.size() == 26) bits += ' ';
        bits += i < prefix ? '1' : '0';
    }
    return bits;
}

// The four octets of a spaced bit string, read from its groups at 1, 10, 19, 28.
std::array<double, 4> Octets(const std::string& spaced)
{
    std::array<double, 4> octets{};
    for (std::size_t i = 0; i < 4; ++i) {
        octets[i] = BitsToNumber(spaced.substr(std::min(spaced.size(), 9 * i), 8));
    }
    return octets;
}

std::string Dotted(const std::array<double, 4>& octets)
{
    return FormatWhole(octets[0]) + "." + FormatWhole(octets[1]) + "." + FormatWhole(octets[2]) +
           "." + FormatWhole(octets[3]);
}

double ClassDivisor(std::int16_t netClass)
{
    switch (netClass) {
    case net_class::kA: return 16777214; // 2^24 - 2
    case net_class::kB: return 65534;    // 2^16 - 2
    default: return 254;                 // 2^8 - 2
    }
}

} // namespace

std::int16_t Things::ClassHostBits(std::int16_t netClass) const
{
    return ClassBits[static_cast<std::size_t>(2 * (netClass - 1))];
}

std::int16_t Things::ClassNetworkBits(std::int16_t netClass) const
{
    return ClassBits[static_cast<std::size_t>(2 * (netClass - 1) + 1)];
}

void Things::Calculate()
{
    if (NetClass > net_class::kC) {
        for (Field field : {Field::HostBitsValue, Field::SubnetBitsValue, Field::MaskBitsValue,
                            Field::MaxSubnetsValue, Field::MaxHostsValue, Field::TotalHostsValue,
                            Field::BinMask, Field::BinSubnet, Field::BinBC, Field::IPSubnet,
                            Field::IPBroadcast, Field::PercVal}) {
            fields_.SetCaption(field, kNotApplicable);
        }
        return;
    }
    // Nothing to show before an address and its mask are known: an option clicked
    // first, or the class A handler nested in the very first correction.
    if (NetClass < net_class::kA || MaskBits < kShortestPrefix || MaskBits > kLongestPrefix) {
        return;
    }

    const int p = MaskBits;
    const int h = 32 - p;
    const int s = SubSuperMode == mode::kSupernet ? ClassNetworkBits(NetClass) - p
                                                  : ClassHostBits(NetClass) - h;

    double subnets = std::ldexp(1.0, s) - 2;
    if (subnets < 2) subnets += 1;
    double hosts = std::ldexp(1.0, h) - 2;
    if (hosts < 2) hosts += 1;

    const bool subnetMode = SubSuperMode != mode::kSupernet;
    double total = 0;
    std::string hostsText = FormatWhole(hosts);
    if (subnetMode) {
        if (subnets == 0) {
            total = hosts;
            hostsText = std::string(kNotApplicable);
        } else {
            total = subnets * hosts;
        }
    }

    const std::string mask = BinaryMask(p);
    const std::string binarySubnet = ApplyMask(fields_.Caption(Field::BinHost), mask, 0);
    const std::string binaryBroadcast = ApplyMask(fields_.Caption(Field::BinHost), mask, 1);
    const std::array<double, 4> subnet = Octets(binarySubnet);
    const std::array<double, 4> broadcast = Octets(binaryBroadcast);

    std::string list;
    if (subnetMode) {
        const auto start = static_cast<std::uint32_t>(subnet[0] * 16777216 + subnet[1] * 65536 +
                                                      subnet[2] * 256 + subnet[3]);
        list = HostList(start, h, subnets);
    }

    fields_.SetCaption(Field::HostBitsValue, FormatWhole(h));
    fields_.SetCaption(Field::SubnetBitsValue, FormatWhole(s));
    fields_.SetCaption(Field::MaskBitsValue, FormatWhole(p));
    fields_.SetCaption(Field::MaxSubnetsValue, FormatWhole(subnets));
    fields_.SetCaption(Field::MaxHostsValue, hostsText);
    fields_.SetCaption(Field::BinMask, mask);
    fields_.SetCaption(Field::BinSubnet, binarySubnet);
    fields_.SetCaption(Field::BinBC, binaryBroadcast);
    fields_.SetCaption(Field::IPSubnet, Dotted(subnet));
    fields_.SetCaption(Field::IPBroadcast, Dotted(broadcast));
    fields_.SetText(Field::AccessListBox, list);
    if (subnetMode) {
        fields_.SetCaption(Field::TotalHostsValue, FormatWhole(total));
        fields_.SetCaption(Field::PercVal,
                           FormatPercent(total / ClassDivisor(NetClass) * 100, DecimalPoint));
    }
}

} // namespace quorvane
