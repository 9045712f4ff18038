// SPDX-License-Identifier: MIT
#include "Explanations.h"

#include "AddressNumbers.h"
#include "AddressType.h"
#include "Classes.h"
#include "Counts.h"
#include "Format.h"
#include "MaskList.h"

#include <array>
#include <cstdint>
#include <optional>

namespace quorvane {

namespace {

constexpr std::string_view kMinus = " \u2212 ";
constexpr std::string_view kTimes = " \u00d7 ";
constexpr std::string_view kDot = " \u00b7 ";

std::string Whole(double value)
{
    return FormatWhole(value);
}

std::string Power(int bits)
{
    return "2^" + std::to_string(bits);
}

// What the window knows once the calculator has run: the class, the mode, the
// prefix and its counts, and the address it last read.
struct Situation {
    std::int16_t netClass = net_class::kNone;
    bool supernet = false;
    std::optional<std::uint32_t> address;
    // Only for a class A, B or C address with a mask picked: the figures shown.
    std::optional<int> prefix;
    Counts counts;
    std::string efficiency;

    bool NotSubnetted() const { return netClass > net_class::kC; }
    // Why a figure shows "N/A" for a multicast or experimental address.
    std::string NoMask() const
    {
        return "N/A: " + NotSubnettedAddress(netClass) + " is not subnetted.";
    }
};

Situation Read(const Things& things)
{
    Situation now;
    now.netClass = things.NetClass;
    now.supernet = things.SubSuperMode == mode::kSupernet;
    if (now.netClass != net_class::kNone)
        now.address = ShownAddress(things.fields().Caption(Field::BinHost));
    if (now.address && now.netClass <= net_class::kC && things.MaskBits >= kShortestPrefix) {
        now.prefix = things.MaskBits;
        now.counts = CountsFor(things.MaskBits, things.ClassHostBits(now.netClass),
                               things.ClassNetworkBits(now.netClass), now.supernet);
        now.efficiency = FormatPercent(now.counts.efficiency, things.DecimalPoint);
    }
    return now;
}

std::string OctetBox(std::size_t index)
{
    static constexpr std::array<std::string_view, 4> kOrdinal{"First", "Second", "Third", "Fourth"};
    std::string text = std::string(kOrdinal[index]) + " octet of the address: ";
    if (index == 0) {
        text += "1 to 255; a larger value becomes 255, a smaller one 1. It decides the class: " +
                ClassRanges() + ".";
    } else {
        text += "0 to 255 (the first octet 1 to 255); a larger value becomes 255, a negative "
                "one 0.";
    }
    return text + " A \".\" moves on to the next box; a whole address, such as "
                  "192.168.1.10/26, can be pasted into any box.";
}

std::string ClassText(const Situation& now)
{
    if (!now.address) {
        return "The class of the address, decided by its first octet: " + ClassRanges() + ".";
    }
    const std::string type = " Type: " + AddressType(*now.address) + ".";
    const std::uint32_t first = *now.address >> 24;
    if (now.NotSubnetted()) {
        return CaptionedClass(now.netClass) + ": first octet " + FirstOctets(now.netClass) +
               (now.netClass == net_class::kMulticast ? ". A multicast group is not subnetted"
                                                      : ", reserved. It is not subnetted") +
               ", so the mask list offers N/A and the figures show N/A." + type;
    }
    const int classful = ClassfulPrefix(now.netClass);
    const std::string mask = "classful mask " + std::string(MaskText(classful)) + " (/" +
                             std::to_string(classful) + ").";
    if (first == kLoopbackOctet) {
        return std::string(kLoopbackCaption) + ": first octet " + std::to_string(kLoopbackOctet) +
               ", counted as " + ClassName(net_class::kA) + ", " + mask + type;
    }
    return "Class " + std::string(1, ClassRow(now.netClass).letter) + ": first octet " +
           FirstOctets(now.netClass) + ", " + mask + type;
}

std::string NetworkOrHostPart(const Situation& now, bool network)
{
    if (now.NotSubnetted()) {
        return "N/A: " + NotSubnettedAddress(now.netClass) + " has no network and host part.";
    }
    const std::string what = network ? "The network part" : "The host part";
    if (!now.address) {
        return what + " of the address under its class's own mask, the other octets shown as x.";
    }
    const int networkOctets = ClassfulPrefix(now.netClass) / 8;
    const int shown = network ? networkOctets : 4 - networkOctets;
    const std::string octets = shown == 1 ? "octet" : std::to_string(shown) + " octets";
    return what + " of the address under the " + ClassName(now.netClass) + " mask /" +
           std::to_string(ClassfulPrefix(now.netClass)) + ": its " +
           (network ? "first " : "last ") + octets + ", the other octets shown as x.";
}

std::string DecimalText(const Situation& now)
{
    std::string text = "The address as one 32-bit number: ";
    if (!now.address)
        return text + "octet 1 × 16777216 + octet 2 × 65536 + octet 3 × 256 + octet 4.";
    const std::uint32_t a = *now.address;
    return text + std::to_string(a >> 24) + std::string(kTimes) + "16777216 + " +
           std::to_string(a >> 16 & 0xFF) + std::string(kTimes) + "65536 + " +
           std::to_string(a >> 8 & 0xFF) + std::string(kTimes) + "256 + " +
           std::to_string(a & 0xFF) + ".";
}

// The subnet (or block) that holds the address, in words.
std::string Where(const Situation& now)
{
    return now.supernet ? "the CIDR block /" + std::to_string(*now.prefix)
                        : "the subnet /" + std::to_string(*now.prefix);
}

std::string AddressOfSubnet(const Situation& now, bool broadcast, bool binary)
{
    if (now.NotSubnetted()) return now.NoMask();
    std::string text = broadcast ? "The broadcast address" : "The subnet (network) address";
    if (now.supernet && !broadcast) text = "The block's address";
    if (binary) text += " in binary";
    if (!now.prefix) {
        return text + ": the address with its host bits set to " + (broadcast ? "1." : "0.");
    }
    const std::string bits =
        std::to_string(now.counts.hostBits) + " host bit" + (now.counts.hostBits == 1 ? "" : "s");
    return text + ": the address with its " + bits + " set to " + (broadcast ? "1" : "0") +
           ", the " + (broadcast ? "last" : "first") + " address of " + Where(now) +
           " that holds it.";
}

std::string MaskBitsText(const Situation& now)
{
    if (now.NotSubnetted()) return now.NoMask();
    if (!now.prefix)
        return "Mask bits (the prefix length): the leading one bits of the picked mask.";
    const int p = *now.prefix;
    return "Mask bits (the prefix length): the " + std::to_string(p) + " leading one bits of " +
           std::string(MaskText(p)) + ", written /" + std::to_string(p) + "; wildcard mask " +
           DottedQuad(~PrefixMask(p)) + ".";
}

std::string SubnetBitsText(const Situation& now)
{
    if (now.NotSubnetted()) return now.NoMask();
    if (!now.prefix) {
        return now.supernet ? "CIDR mask bits: the bits of the class's own mask that the block "
                              "gives up to join networks."
                            : "Subnet bits: the bits of the prefix beyond the class's own mask, "
                              "which number the subnets.";
    }
    const int p = *now.prefix;
    const int classful = ClassfulPrefix(now.netClass);
    const int s = now.counts.subnetBits;
    if (now.supernet) {
        return "CIDR mask bits: " + std::to_string(classful) + std::string(kMinus) +
               std::to_string(p) + " = " + std::to_string(s) + ": the bits of the " +
               ClassName(now.netClass) + " mask /" + std::to_string(classful) +
               " the block gives up; it joins " + Power(s) + " = " + Whole(now.counts.allSubnets) +
               " " + ClassName(now.netClass) + (s == 0 ? " network." : " networks.");
    }
    return "Subnet bits: " + std::to_string(p) + std::string(kMinus) + std::to_string(classful) +
           " = " + std::to_string(s) + ": the bits of the prefix beyond the " +
           ClassName(now.netClass) + " mask /" + std::to_string(classful) +
           ", which number the subnets.";
}

std::string HostBitsText(const Situation& now)
{
    if (now.NotSubnetted()) return now.NoMask();
    const std::string each = now.supernet ? "the block" : "each subnet";
    if (!now.prefix)
        return "Host bits: the bits left after the prefix for the hosts of " + each + ".";
    return "Host bits: 32" + std::string(kMinus) + std::to_string(*now.prefix) + " = " +
           std::to_string(now.counts.hostBits) + ": the bits left for the hosts of " + each + ".";
}

// 2^bits − 2 = raw, and what became of a count below 2.
std::string Counted(int bits, double raw, double shown)
{
    std::string text = Power(bits) + std::string(kMinus) + "2 = " + Whole(raw);
    if (raw != shown) text += ", counted as " + Whole(shown);
    return text;
}

std::string MaxSubnetsText(const Situation& now)
{
    if (now.NotSubnetted()) return now.NoMask();
    const std::string caption = now.supernet ? "Subnets/Block: " : "Max. Subnets: ";
    if (!now.prefix) {
        return caption + "2^(" + (now.supernet ? "CIDR mask bits" : "subnet bits") +
               ") − 2: subnet zero and the all-ones subnet are not counted.";
    }
    const int s = now.counts.subnetBits;
    const std::string network = ClassName(now.netClass) + " network";
    if (s == 0) {
        return caption + "0: no " + (now.supernet ? "CIDR mask" : "subnet") + " bits; " +
               (now.supernet ? "the block is one " + network + "."
                             : "the " + network + " is not subnetted.");
    }
    const std::string count = Counted(s, now.counts.rawSubnets, now.counts.subnets);
    if (now.supernet) {
        return caption + count + ": of the " + Whole(now.counts.allSubnets) + " " +
               ClassName(now.netClass) +
               " networks the block joins, the first and the last are not counted, as subnet "
               "zero and the all-ones subnet are not.";
    }
    return caption + count + ": subnet zero and the all-ones subnet are not counted.";
}

std::string MaxHostsText(const Situation& now)
{
    if (now.NotSubnetted()) return now.NoMask();
    const std::string caption = now.supernet ? "Hosts per block: " : "Hosts/Subnet: ";
    if (!now.prefix) {
        return caption + "2^(host bits) − 2: the subnet and broadcast addresses are not hosts.";
    }
    if (!now.counts.hostsApply) {
        return "N/A: with no subnet bits the " + ClassName(now.netClass) +
               " network is not subnetted; Total Hosts gives its " + Whole(now.counts.total) +
               " hosts.";
    }
    const int h = now.counts.hostBits;
    std::string text = caption + Counted(h, now.counts.rawHosts, now.counts.hosts);
    if (h == 1) {
        return text + ": a /31 holds two addresses, used as a point-to-point pair (RFC 3021).";
    }
    return text + (now.supernet ? ": the block's first and last addresses are not hosts."
                                : ": the subnet and broadcast addresses are not hosts.");
}

std::string TotalHostsText(const Situation& now)
{
    if (now.NotSubnetted()) return now.NoMask();
    if (now.supernet) {
        return "N/A in Supernet mode: a block is not divided into subnets; Hosts/Subnet gives "
               "its hosts.";
    }
    if (!now.prefix) return "Total Hosts: the usable hosts of all the subnets together.";
    if (!now.counts.hostsApply) {
        return "Total Hosts: " +
               Counted(now.counts.hostBits, now.counts.rawHosts, now.counts.total) +
               ": the hosts of the whole " + ClassName(now.netClass) + " network.";
    }
    return "Total Hosts: " + FormatCount(now.counts.subnets, "subnet", "subnets") +
           std::string(kTimes) + FormatCount(now.counts.hosts, "host", "hosts") + " = " +
           Whole(now.counts.total) + ": the usable hosts of all the subnets together.";
}

std::string EfficiencyText(const Situation& now)
{
    if (now.NotSubnetted()) return now.NoMask();
    if (now.supernet) {
        return "N/A in Supernet mode: a block is not divided into subnets, so nothing is lost "
               "to them.";
    }
    if (!now.prefix) {
        return "Host efficiency: the total hosts in percent of the hosts of the network left "
               "whole.";
    }
    const int classHostBits = ClassfulHostBits(now.netClass);
    return "Host efficiency: " + Whole(now.counts.total) + " of the " +
           Whole(now.counts.networkHosts) + " hosts (" + Power(classHostBits) +
           std::string(kMinus) + "2) of the whole " + ClassName(now.netClass) +
           " network = " + now.efficiency +
           (now.counts.hostsApply
                ? "; the rest goes to the subnets' own addresses and the uncounted subnets."
                : ": not subnetted, no address is lost.");
}

std::string BinaryMaskText(const Situation& now)
{
    if (now.NotSubnetted()) return now.NoMask();
    if (!now.prefix) return "The picked mask in binary: one bits, then zero bits.";
    const int p = *now.prefix;
    return "The mask " + std::string(MaskText(p)) + " in binary: " + std::to_string(p) +
           " one bits, then " + std::to_string(32 - p) + " zero bit" + (p == 31 ? "." : "s.");
}

std::string MaskListText(const Situation& now, const std::string& picked)
{
    const auto prefix = PrefixForMask(picked);
    if (prefix)
        return "/" + std::to_string(*prefix) + ", wildcard " + DottedQuad(~PrefixMask(*prefix));
    if (now.NotSubnetted()) return now.NoMask();
    return "The subnet masks for the address's class and the chosen mode; the open list shows "
           "what each gives.";
}

std::string Hint(const Things& things, int prefix)
{
    const std::string bits = "/" + std::to_string(prefix);
    if (things.NetClass < net_class::kA) return bits;
    const bool supernet = things.SubSuperMode == mode::kSupernet;
    const Counts counts = CountsFor(prefix, things.ClassHostBits(things.NetClass),
                                    things.ClassNetworkBits(things.NetClass), supernet);
    std::string hint = bits + std::string(kDot);
    if (supernet) {
        return hint + Whole(counts.subnets) + " per block" + std::string(kDot) +
               FormatCount(counts.hosts, "host", "hosts");
    }
    if (!counts.hostsApply) {
        return hint + "not subnetted" + std::string(kDot) +
               FormatCount(counts.total, "host", "hosts");
    }
    return hint + FormatCount(counts.subnets, "subnet", "subnets") + std::string(kDot) +
           FormatCount(counts.hosts, "host", "hosts") + " each";
}

} // namespace

std::vector<Explanation> ExplainFields(const Things& things)
{
    const Situation now = Read(things);
    std::vector<Explanation> out;
    out.reserve(22);
    for (std::size_t i = 0; i < kOctetBoxes.size(); ++i)
        out.push_back({kOctetBoxes[i], OctetBox(i)});
    out.push_back({Field::Class, ClassText(now)});
    out.push_back({Field::NetID, NetworkOrHostPart(now, true)});
    out.push_back({Field::HostID, NetworkOrHostPart(now, false)});
    out.push_back({Field::DecIP, DecimalText(now)});
    out.push_back({Field::BinHost, "The address in binary: 8 bits per octet, the most "
                                   "significant first."});
    out.push_back({Field::SubnetList, MaskListText(now, things.fields().ListSelected())});
    out.push_back({Field::HostBitsValue, HostBitsText(now)});
    out.push_back({Field::SubnetBitsValue, SubnetBitsText(now)});
    out.push_back({Field::MaskBitsValue, MaskBitsText(now)});
    out.push_back({Field::MaxSubnetsValue, MaxSubnetsText(now)});
    out.push_back({Field::MaxHostsValue, MaxHostsText(now)});
    out.push_back({Field::TotalHostsValue, TotalHostsText(now)});
    out.push_back({Field::PercVal, EfficiencyText(now)});
    out.push_back({Field::BinMask, BinaryMaskText(now)});
    out.push_back({Field::BinSubnet, AddressOfSubnet(now, false, true)});
    out.push_back({Field::BinBC, AddressOfSubnet(now, true, true)});
    out.push_back({Field::IPSubnet, AddressOfSubnet(now, false, false)});
    out.push_back({Field::IPBroadcast, AddressOfSubnet(now, true, false)});
    return out;
}

std::vector<std::string> MaskHints(const Things& things, const std::vector<std::string>& entries)
{
    std::vector<std::string> hints;
    hints.reserve(entries.size());
    for (const std::string& entry : entries) {
        if (const auto prefix = PrefixForMask(entry)) {
            hints.push_back(Hint(things, *prefix));
        } else if (things.NetClass > net_class::kC) {
            hints.push_back("no mask: " + NotSubnettedAddress(things.NetClass) +
                            " is not subnetted");
        } else {
            // Only classes D and E list an entry that is no mask ("N/A").
            hints.emplace_back();
        }
    }
    return hints;
}

void Explainer::Explain(const Things& things, Window& window)
{
    for (const Explanation& explanation : ExplainFields(things))
        window.Explain(explanation.field, explanation.text);
    std::vector<std::string> entries = window.ListEntries();
    if (entries != entries_ || things.NetClass != netClass_ || things.SubSuperMode != mode_) {
        hints_ = MaskHints(things, entries);
        entries_ = std::move(entries);
        netClass_ = things.NetClass;
        mode_ = things.SubSuperMode;
    }
    // A refilled list has lost its hints even when it holds the same entries.
    window.ExplainEntries(hints_);
}

} // namespace quorvane
