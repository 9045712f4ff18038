// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Addresses and masks worked out with plain 32-bit arithmetic, apart from the
// calculator, for the tests to compare the calculator's results with.
namespace quorvane::oracle {

// The dotted quad of a 32-bit address.
std::string Dotted(std::uint32_t address);

// The 32 bits most significant first, in four groups joined by single spaces.
std::string Spaced(std::uint32_t address);

// The mask of a prefix length 0 to 32.
constexpr std::uint32_t MaskOf(int prefix)
{
    return prefix == 0 ? 0 : ~std::uint32_t{0} << (32 - prefix);
}

// Reads a dotted quad at `pos`, moving past it: four plain decimal octets up to 255
// with no leading zero. Empty (`pos` anywhere) when there is none.
std::optional<std::uint32_t> ReadQuad(std::string_view text, std::size_t& pos);

// The address a text is the dotted quad of, and nothing more.
std::optional<std::uint32_t> ParseDotted(std::string_view text);

// Reads a plain decimal number of up to 12 digits at `pos`, moving past it; no
// leading zero unless it is 0.
std::optional<std::uint64_t> ReadNumber(std::string_view text, std::size_t& pos);

} // namespace quorvane::oracle
