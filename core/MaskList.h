// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

inline constexpr int kShortestPrefix = 2;
inline constexpr int kLongestPrefix = 31;

// The mask of a prefix length 2..31 as a dotted quad, e.g. 26 -> "255.255.255.192".
std::string_view MaskText(int prefix);

// The prefix length of a mask text of the table; exact, whole-text match only.
std::optional<std::int16_t> PrefixForMask(std::string_view text);

} // namespace quorvane
