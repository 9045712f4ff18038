// SPDX-License-Identifier: MIT
#include "BitStrings.h"

#include "Format.h"

#include <algorithm>
#include <cmath>

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

double BitsToNumber(const std::string& bits)
{
    double value = 0;
    const std::size_t n = bits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (bits[n - 1 - i] == '1') value += std::ldexp(1.0, static_cast<int>(i));
    }
    return value;
}

std::string ApplyMask(const std::string& addressBits, const std::string& maskBits,
                      const std::int16_t& fill)
{
    constexpr std::size_t kSpacedLength = 35;
    std::string result;
    result.reserve(kSpacedLength);
    for (std::size_t p = 0; p < kSpacedLength && p < maskBits.size(); ++p) {
        const char m = maskBits[p];
        const char a = p < addressBits.size() ? addressBits[p] : '\0';
        if (m == ' ') {
            result += ' ';
        } else if (m == '1') {
            result += a == '1' ? '1' : '0';
        } else if (m == '0') {
            result += fill != 0 ? '1' : '0';
        }
    }
    return result;
}

std::array<double, 4> SpacedOctets(const std::string& spaced)
{
    std::array<double, 4> octets{};
    for (std::size_t i = 0; i < octets.size(); ++i)
        octets[i] = BitsToNumber(spaced.substr(std::min(spaced.size(), 9 * i), 8));
    return octets;
}

std::string DottedFromSpaced(const std::string& spaced)
{
    std::string dotted;
    for (const double octet : SpacedOctets(spaced)) {
        if (!dotted.empty()) dotted += '.';
        dotted += FormatWhole(octet);
    }
    return dotted;
}

} // namespace quorvane
