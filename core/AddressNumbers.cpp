// SPDX-License-Identifier: MIT
#include "AddressNumbers.h"

#include "BitStrings.h"
#include "HostList.h"

namespace quorvane {

std::optional<std::uint32_t> ShownAddress(const std::string& spacedBits)
{
    constexpr std::size_t kSpacedLength = 35;
    if (spacedBits.size() != kSpacedLength) return std::nullopt;
    std::uint32_t address = 0;
    for (const double octet : SpacedOctets(spacedBits))
        address = address << 8 | static_cast<std::uint32_t>(octet);
    return address;
}

std::string DottedQuad(std::uint32_t address)
{
    std::string text;
    AppendQuad(text, address);
    return text;
}

std::uint32_t PrefixMask(int prefix)
{
    return prefix == 0 ? 0 : ~std::uint32_t{0} << (32 - prefix);
}

} // namespace quorvane
