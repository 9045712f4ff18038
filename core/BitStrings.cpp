// SPDX-License-Identifier: MIT
#include "BitStrings.h"

#include "HostList.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>

namespace quorvane {

std::string OctetToBits(std::int16_t& octet)
{
    std::string bits(8, '0');
    std::size_t at = 0;
    for (std::int16_t weight = 128; weight > 0; weight /= 2, ++at) {
        if (octet >= weight) {
            octet = static_cast<std::int16_t>(octet - weight);
            bits[at] = '1';
        }
    }
    return bits;
}

namespace {

// The value of `length` bits from `bits`, the first the most significant; any
// character but '1' is a 0.
double BitsValue(const char* bits, std::size_t length)
{
    double value = 0;
    // Up to a double's 53 bits, as every octet and address is, the bits are gathered
    // in a whole number, which is exact and quicker than doubling a double; longer
    // strings add their powers of two as written.
    if (length <= 53) {
        std::uint64_t whole = 0;
        for (std::size_t i = 0; i < length; ++i)
            whole = whole << 1 | (bits[i] == '1' ? 1U : 0U);
        return static_cast<double>(whole);
    }
    for (std::size_t i = 0; i < length; ++i) {
        if (bits[length - 1 - i] == '1') value += std::ldexp(1.0, static_cast<int>(i));
    }
    return value;
}

} // namespace

double BitsToNumber(const std::string& bits)
{
    return BitsValue(bits.data(), bits.size());
}

namespace {

constexpr std::size_t kSpacedLength = 35;

// The eight characters of a group as one whole number, the first in the lowest byte.
std::uint64_t GroupBytes(const char* group)
{
    std::uint64_t bytes = 0;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(&bytes, group, sizeof bytes);
    } else {
        for (int i = 7; i >= 0; --i)
            bytes = bytes << 8 | static_cast<unsigned char>(group[i]);
    }
    return bytes;
}

// The group of each octet, its eight characters.
constexpr std::array<std::array<char, 8>, 256> kGroups = [] {
    std::array<std::array<char, 8>, 256> groups{};
    for (std::size_t octet = 0; octet < groups.size(); ++octet) {
        for (std::size_t bit = 0; bit < 8; ++bit)
            groups[octet][bit] = (octet >> (7 - bit) & 1) != 0 ? '1' : '0';
    }
    return groups;
}();

// The 32 bits of a spaced string in its one layout (groups of '0' and '1', a blank
// after the first three), which is what the calculator always writes and reads;
// none for any other text, which the character-by-character rules then serve.
std::optional<std::uint32_t> LaidOutBits(const std::string& spaced)
{
    constexpr std::uint64_t kLowBits = 0x0101010101010101;
    constexpr std::uint64_t kZeros = 0x3030303030303030; // eight '0'
    if (spaced.size() != kSpacedLength) return std::nullopt;
    std::uint32_t value = 0;
    for (std::size_t group = 0; group < 4; ++group) {
        if (group > 0 && spaced[9 * group - 1] != ' ') return std::nullopt;
        const std::uint64_t bytes = GroupBytes(spaced.data() + 9 * group);
        if ((bytes & ~kLowBits) != kZeros) return std::nullopt;
        // Each character's bit, the first one's to the top of the octet.
        const std::uint64_t bits = bytes & kLowBits;
        value = value << 8 | static_cast<std::uint32_t>((bits * 0x8040201008040201) >> 56);
    }
    return value;
}

// The spaced form of 32 bits.
std::string SpacedBits(std::uint32_t value)
{
    std::string spaced(kSpacedLength, ' ');
    for (std::size_t group = 0; group < 4; ++group)
        std::memcpy(spaced.data() + 9 * group, kGroups[value >> (24 - 8 * group) & 0xFF].data(), 8);
    return spaced;
}

} // namespace

std::string ApplyMask(const std::string& addressBits, const std::string& maskBits,
                      const std::int16_t& fill)
{
    // Both laid out as the calculator writes them: the same result, worked out on
    // the 32 bits at once.
    const std::optional<std::uint32_t> address = LaidOutBits(addressBits);
    const std::optional<std::uint32_t> mask = LaidOutBits(maskBits);
    if (address && mask) return SpacedBits((*address & *mask) | (fill != 0 ? ~*mask : 0));

    // Written into a buffer and made a string once: every recalculation masks twice.
    char result[kSpacedLength];
    std::size_t length = 0;
    for (std::size_t p = 0; p < kSpacedLength && p < maskBits.size(); ++p) {
        const char m = maskBits[p];
        const char a = p < addressBits.size() ? addressBits[p] : '\0';
        if (m == ' ') {
            result[length++] = ' ';
        } else if (m == '1') {
            result[length++] = a == '1' ? '1' : '0';
        } else if (m == '0') {
            result[length++] = fill != 0 ? '1' : '0';
        }
    }
    return std::string(result, length);
}

std::array<double, 4> SpacedOctets(const std::string& spaced)
{
    std::array<double, 4> octets{};
    if (const std::optional<std::uint32_t> value = LaidOutBits(spaced)) {
        for (std::size_t i = 0; i < octets.size(); ++i)
            octets[i] = static_cast<double>(*value >> (24 - 8 * i) & 0xFF);
        return octets;
    }
    for (std::size_t i = 0; i < octets.size(); ++i) {
        const std::size_t start = std::min(spaced.size(), 9 * i);
        octets[i] =
            BitsValue(spaced.data() + start, std::min<std::size_t>(8, spaced.size() - start));
    }
    return octets;
}

std::string DottedFromSpaced(const std::string& spaced)
{
    // A group of at most eight bits is 0 to 255: the octets make one address.
    std::uint32_t address = 0;
    for (const double octet : SpacedOctets(spaced))
        address = address << 8 | static_cast<std::uint32_t>(octet);
    std::string dotted;
    AppendQuad(dotted, address);
    return dotted;
}

} // namespace quorvane
