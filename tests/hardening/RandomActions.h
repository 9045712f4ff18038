// SPDX-License-Identifier: MIT
#pragma once

#include "WindowInvariants.h"

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace quorvane::hardening {

// What the sequences reached, so a change that makes them miss the heavy or rare
// states shows up as a failure rather than as a quietly weaker test.
struct Reached {
    std::set<std::string> classes;
    bool supernet = false;
    bool fullList = false;

    void Note(const Screen& screen);
};

// Seeds run in blocks of `perBlock`, one test per block, each test named after the
// seeds it runs so that a failure's name says how to repeat it.
struct SeedBlocks {
    std::uint32_t firstSeed;
    int perBlock;

    std::uint32_t First(int block) const
    {
        return firstSeed + static_cast<std::uint32_t>(block * perBlock);
    }
    std::string Name(int block) const
    {
        return "Seeds" + std::to_string(First(block)) + "To" +
               std::to_string(First(block) + static_cast<std::uint32_t>(perBlock) - 1);
    }
};

// More rules to check after every action; appends a message per broken rule.
using ExtraCheck = std::function<void(std::vector<std::string>& broken)>;

// Performs `actions` random user actions, one keystroke, paste, clear, pick or
// click at a time (digits, letters, signs, points, exponents, blanks, an emoji and
// control characters among the keys), and checks what `screen` shows after each: every
// invariant of CheckWindow, and that an edited box keeps the edit when it is in
// range and shows the corrected value when not. Returns the first failure with the
// actions that led to it; empty when every check held.
std::string RunRandomSequence(std::uint32_t seed, int actions, UserActions& user,
                              const Screen& screen, const InvariantOptions& options,
                              Reached& reached, const ExtraCheck& alsoCheck = {});

} // namespace quorvane::hardening
