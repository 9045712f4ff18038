// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace quorvane {

// The class of an address and the caption shown for it.
struct ClassView {
    std::int16_t netClass;
    const char* caption;
};

// Decided by the first octet alone (1..255); loopback counts as class A.
ClassView Classify(std::int16_t firstOctet);

} // namespace quorvane
