// SPDX-License-Identifier: MIT
#include "ValueExplanations.h"

#include "AddressNumbers.h"
#include "AddressType.h"
#include "Classes.h"
#include "Format.h"
#include "MaskList.h"
#include "Situation.h"

#include <cstdint>

namespace quorvane {

namespace {

constexpr std::string_view kMinus = " \u2212 ";
constexpr std::string_view kTimes = " \u00d7 ";

std::string Power(int bits)
{
    return "2^" + std::to_string(bits);
}

// The subnet (or block) that holds the address, in words.
std::string Where(const Situation& now)
{
    return now.supernet ? "the CIDR block /" + std::to_string(*now.prefix)
                        : "the subnet /" + std::to_string(*now.prefix);
}

// 2^bits − 2 = raw, and what became of a count below 2.
std::string Counted(int bits, double raw, double shown)
{
    std::string text = Power(bits) + std::string(kMinus) + "2 = " + FormatWhole(raw);
    if (raw != shown) text += ", counted as " + FormatWhole(shown);
    return text;
}

// The network or the host part of the address under its class's own mask.
std::string PartOfAddress(const Situation& now, bool network)
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

// The address of the subnet (or block) that holds the address, or its broadcast
// address; dotted, or in binary.
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

} // namespace

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

std::string NetworkPartText(const Situation& now)
{
    return PartOfAddress(now, true);
}

std::string HostPartText(const Situation& now)
{
    return PartOfAddress(now, false);
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

std::string BinaryAddressText(const Situation& /*now*/)
{
    return "The address in binary: 8 bits per octet, the most significant first.";
}

std::string SubnetAddressText(const Situation& now)
{
    return AddressOfSubnet(now, false, false);
}

std::string BroadcastText(const Situation& now)
{
    return AddressOfSubnet(now, true, false);
}

std::string BinarySubnetText(const Situation& now)
{
    return AddressOfSubnet(now, false, true);
}

std::string BinaryBroadcastText(const Situation& now)
{
    return AddressOfSubnet(now, true, true);
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
               " the block gives up; it joins " + Power(s) + " = " +
               FormatWhole(now.counts.allSubnets) + " " + ClassName(now.netClass) +
               (s == 0 ? " network." : " networks.");
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
        return caption + count + ": of the " + FormatWhole(now.counts.allSubnets) + " " +
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
               " network is not subnetted; Total Hosts gives its " + FormatWhole(now.counts.total) +
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
           FormatWhole(now.counts.total) + ": the usable hosts of all the subnets together.";
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
    return "Host efficiency: " + FormatWhole(now.counts.total) + " of the " +
           FormatWhole(now.counts.networkHosts) + " hosts (" + Power(classHostBits) +
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

} // namespace quorvane
