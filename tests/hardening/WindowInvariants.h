// SPDX-License-Identifier: MIT
#pragma once

#include "Screen.h"
#include "UserActions.h"

#include <string>
#include <string_view>
#include <vector>

namespace quorvane::hardening {

struct InvariantOptions {
    // The window limits each octet box to three characters; a program write does not.
    bool boxesLimited = true;
    // What the efficiency is written with.
    std::string decimalPoint = ".";
};

// What a user can rely on after any action, checked from what the window shows
// and worked out again with plain 32-bit integer arithmetic. Returns one readable
// message per broken rule.
std::vector<std::string> CheckWindow(const Screen& screen, const InvariantOptions& options = {});

// The whole number an octet box's text stands for, worked out here apart from the
// calculator's own reader. Blanks anywhere are dropped; then the longest start of
// the form [sign] digits [. digits] [e [sign] digits], with at least one digit
// before the exponent, is read by the C library in the C locale and rounded half
// to even. Text with no such start reads as 0.
double BoxNumber(std::string_view text);

// The characters (code points) of UTF-8 text, each as its bytes.
std::vector<std::string> Characters(std::string_view utf8);

} // namespace quorvane::hardening
