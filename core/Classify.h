// SPDX-License-Identifier: MIT
#pragma once

#include "Classes.h"

#include <cstdint>
#include <string_view>

namespace quorvane {

// The class of an address and the caption shown for it.
struct ClassView {
    std::int16_t netClass;
    std::string_view caption;
};

// Decided by the first octet alone (1..255); loopback counts as class A.
ClassView Classify(std::int16_t firstOctet);

// The classful split of a class A, B or C network: the prefix of the class's own
// mask, which is also its count of network bits (A 8, B 16, C 24), and the host
// bits that remain of the 32.
constexpr int ClassfulPrefix(std::int16_t netClass) noexcept
{
    return 8 * netClass;
}

constexpr int ClassfulHostBits(std::int16_t netClass) noexcept
{
    return 32 - ClassfulPrefix(netClass);
}

} // namespace quorvane
