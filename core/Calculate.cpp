// SPDX-License-Identifier: MIT
#include "BitStrings.h"
#include "Counts.h"
#include "Format.h"
#include "HostList.h"
#include "MaskList.h"
#include "Things.h"

#include <array>
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
        // Last, as for every class: a list of an earlier address would stand beside the
        // N/A figures as if it were this one's.
        fields_.SetText(Field::AccessListBox, "");
        return;
    }
    // Nothing to show before an address and its mask are known: an option clicked
    // first, or the class A handler nested in the very first correction.
    if (NetClass < net_class::kA || MaskBits < kShortestPrefix) return;

    const int p = MaskBits;
    const bool subnetMode = SubSuperMode != mode::kSupernet;
    const Counts counts =
        CountsFor(p, ClassHostBits(NetClass), ClassNetworkBits(NetClass), !subnetMode);

    const std::string mask = BinaryMask(p);
    const std::string binarySubnet = ApplyMask(fields_.Caption(Field::BinHost), mask, 0);
    const std::string binaryBroadcast = ApplyMask(fields_.Caption(Field::BinHost), mask, 1);
    const std::array<double, 4> subnet = SpacedOctets(binarySubnet);

    std::string list;
    if (subnetMode && fields_.ShowsHostList()) {
        const auto start = static_cast<std::uint32_t>(subnet[0] * 16777216 + subnet[1] * 65536 +
                                                      subnet[2] * 256 + subnet[3]);
        list = HostList(start, counts.hostBits, counts.subnets);
    }

    fields_.SetCaption(Field::HostBitsValue, FormatWhole(counts.hostBits));
    fields_.SetCaption(Field::SubnetBitsValue, FormatWhole(counts.subnetBits));
    fields_.SetCaption(Field::MaskBitsValue, FormatWhole(p));
    fields_.SetCaption(Field::MaxSubnetsValue, FormatWhole(counts.subnets));
    fields_.SetCaption(Field::MaxHostsValue,
                       counts.hostsApply ? FormatWhole(counts.hosts) : std::string(kNotApplicable));
    fields_.SetCaption(Field::BinMask, mask);
    fields_.SetCaption(Field::BinSubnet, binarySubnet);
    fields_.SetCaption(Field::BinBC, binaryBroadcast);
    fields_.SetCaption(Field::IPSubnet, DottedFromSpaced(binarySubnet));
    fields_.SetCaption(Field::IPBroadcast, DottedFromSpaced(binaryBroadcast));
    fields_.SetText(Field::AccessListBox, list);
    if (subnetMode) {
        fields_.SetCaption(Field::TotalHostsValue, FormatWhole(counts.total));
        fields_.SetCaption(Field::PercVal, FormatPercent(counts.efficiency, DecimalPoint));
    }
}

} // namespace quorvane
