// SPDX-License-Identifier: MIT
#include "AddressType.h"

#include "AddressNumbers.h"
#include "Classes.h"

#include <array>

namespace quorvane {

namespace {

struct Block {
    std::uint32_t network;
    int prefix;
    std::string_view type;
    std::string_view rfc; // the RFC that reserves the block
    // The class the block is, for the two classes that are not subnetted.
    std::int16_t wholeClass = net_class::kNone;
};

constexpr std::uint32_t Quad(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t d)
{
    return a << 24 | b << 16 | c << 8 | d;
}

// Most specific first: 255.255.255.255 lies inside 240/4.
constexpr std::array<Block, 15> kBlocks{{
    {Quad(255, 255, 255, 255), 32, "limited broadcast", "RFC 919"},
    {Quad(0, 0, 0, 0), 8, "\"this network\"", "RFC 791"},
    {Quad(10, 0, 0, 0), 8, "private-use", "RFC 1918"},
    {Quad(100, 64, 0, 0), 10, "shared address space", "RFC 6598"},
    {Quad(127, 0, 0, 0), 8, "loopback", "RFC 1122"},
    {Quad(169, 254, 0, 0), 16, "link-local", "RFC 3927"},
    {Quad(172, 16, 0, 0), 12, "private-use", "RFC 1918"},
    {Quad(192, 0, 0, 0), 24, "IETF protocol assignments", "RFC 6890"},
    {Quad(192, 0, 2, 0), 24, "documentation, TEST-NET-1", "RFC 5737"},
    {Quad(192, 168, 0, 0), 16, "private-use", "RFC 1918"},
    {Quad(198, 18, 0, 0), 15, "benchmarking", "RFC 2544"},
    {Quad(198, 51, 100, 0), 24, "documentation, TEST-NET-2", "RFC 5737"},
    {Quad(203, 0, 113, 0), 24, "documentation, TEST-NET-3", "RFC 5737"},
    {Quad(224, 0, 0, 0), 4, "multicast", "RFC 5771", net_class::kMulticast},
    {Quad(240, 0, 0, 0), 4, "reserved", "RFC 1112", net_class::kExperimental},
}};

} // namespace

std::string AddressType(std::uint32_t address)
{
    for (const Block& block : kBlocks) {
        if ((address & PrefixMask(block.prefix)) != block.network) continue;
        std::string type = std::string(block.type) + " (" + std::string(block.rfc);
        if (block.wholeClass != net_class::kNone)
            type += "; " + ClassName(block.wholeClass) + ", not subnetted";
        return type + ")";
    }
    return "public";
}

} // namespace quorvane
