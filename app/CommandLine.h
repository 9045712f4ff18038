// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string>

namespace quorvane {

// What the program does with its arguments. It is decided before Qt starts, so
// --help, --version and a wrong argument need no display and no platform plugin.
struct Startup {
    bool openWindow = true;
    int exitStatus = 0;
    std::string standardOutput;
    std::string standardError;
};

// Reads the arguments after the program name, in order. --help and --version answer
// at once; Qt's own options (with their values) are left for Qt; anything else is an
// error naming the argument, with exit status 2.
Startup ReadCommandLine(std::span<const char* const> arguments);

} // namespace quorvane
