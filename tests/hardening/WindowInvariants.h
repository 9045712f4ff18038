// SPDX-License-Identifier: MIT
#pragma once

#include "Window.h"

#include <string>
#include <vector>

namespace quorvane::hardening {

struct InvariantOptions {
    // The window limits each octet box to three characters; a program write does not.
    bool boxesLimited = true;
    // What the efficiency is written with.
    std::string decimalPoint = ".";
};

// What a user can rely on after any action, checked from what the window shows
// and worked out again with plain 32-bit integer arithmetic. `listBefore` is the
// Hosts/Subnets text from before the action: multicast and experimental addresses
// must leave it alone. Returns one readable message per broken rule.
std::vector<std::string> CheckWindow(const Window& window, const std::string& listBefore,
                                     const InvariantOptions& options = {});

// Types the four octets into their boxes, one keystroke per character, as a user would.
void TypeAddress(UserActions& user, const char* octet1, const char* octet2, const char* octet3,
                 const char* octet4);

} // namespace quorvane::hardening
