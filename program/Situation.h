// SPDX-License-Identifier: MIT
#pragma once

#include "Counts.h"
#include "Things.h"

#include <cstdint>
#include <optional>
#include <string>

namespace quorvane {

// What the window knows once the calculator has run: the class, the mode, the
// prefix and its counts, and the address it last read.
struct Situation {
    std::int16_t netClass = net_class::kNone;
    bool supernet = false;
    std::optional<std::uint32_t> address;
    // Only for a class A, B or C address with a mask picked: the figures shown.
    std::optional<int> prefix;
    Counts counts;
    std::string efficiency;

    bool NotSubnetted() const { return netClass > net_class::kC; }
    // Why a figure shows "N/A" for a multicast or experimental address.
    std::string NoMask() const;
};

// Read from the calculator's state and the address it last showed.
Situation SituationOf(const Things& things);

} // namespace quorvane
