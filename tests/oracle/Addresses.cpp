// SPDX-License-Identifier: MIT
#include "Addresses.h"

namespace quorvane::oracle {

std::string Dotted(std::uint32_t address)
{
    return std::to_string(address >> 24) + "." + std::to_string((address >> 16) & 0xFF) + "." +
           std::to_string((address >> 8) & 0xFF) + "." + std::to_string(address & 0xFF);
}

std::string Spaced(std::uint32_t address)
{
    std::string bits;
    for (int i = 31; i >= 0; --i) {
        bits += ((address >> i) & 1) != 0 ? '1' : '0';
        if (i % 8 == 0 && i != 0) bits += ' ';
    }
    return bits;
}

std::optional<std::uint64_t> ReadNumber(std::string_view text, std::size_t& pos)
{
    const std::size_t start = pos;
    std::uint64_t value = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && pos - start < 12) {
        value = value * 10 + static_cast<std::uint64_t>(text[pos] - '0');
        ++pos;
    }
    const std::size_t length = pos - start;
    if (length == 0 || (length > 1 && text[start] == '0')) return std::nullopt;
    return value;
}

std::optional<std::uint32_t> ReadQuad(std::string_view text, std::size_t& pos)
{
    std::uint32_t address = 0;
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            if (pos >= text.size() || text[pos] != '.') return std::nullopt;
            ++pos;
        }
        const auto octet = ReadNumber(text, pos);
        if (!octet || *octet > 255) return std::nullopt;
        address = address << 8 | static_cast<std::uint32_t>(*octet);
    }
    return address;
}

std::optional<std::uint32_t> ParseDotted(std::string_view text)
{
    std::size_t pos = 0;
    const auto address = ReadQuad(text, pos);
    if (!address || pos != text.size()) return std::nullopt;
    return address;
}

} // namespace quorvane::oracle
