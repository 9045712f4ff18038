// SPDX-License-Identifier: MIT
#include "BitStrings.h"

#include "HostList.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace quorvane {

std::string OctetToBits(std::int16_t& octet)
{
    std::string bits;
    bits.reserve(8);
    for (std::int16_t weight = 128; weight > 0; weight /= 2) {
        if (octet < weight) {
            bits += '0';
        } else {
            octet = static_cast<std::int16_t>(octet - weight);
            bits += '1';
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

std::string ApplyMask(const std::string& addressBits, const std::string& maskBits,
                      const std::int16_t& fill)
{
    constexpr std::size_t kSpacedLength = 35;
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
