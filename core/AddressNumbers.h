// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace quorvane {

// The address a spaced bit string shows (the binary view's BinHost); none before
// the first address, when the label is empty.
std::optional<std::uint32_t> ShownAddress(const std::string& spacedBits);

// An address as a dotted quad, as in 192.168.1.0.
std::string DottedQuad(std::uint32_t address);

// The mask of a prefix length 0 to 32 as a number: its leading one bits.
std::uint32_t PrefixMask(int prefix);

} // namespace quorvane
