// SPDX-License-Identifier: MIT
#pragma once

#include "CommandLineRun.h"

#include <functional>
#include <optional>
#include <span>
#include <string>

namespace quorvane {

// What the program does with its arguments. It is decided before anything of the
// window starts, so reports, --help, --version and a wrong argument need no
// display, no platform plugin and no GUI library.
struct Startup {
    bool openWindow = true;
    int exitStatus = 0;
    std::string standardOutput;
    std::string standardError;
    // Qt's -platform or -display option names where the window goes.
    bool displayNamed = false;
    std::optional<ReportsWanted> reports;
};

// Reads the arguments after the program name. --help and --version answer at once;
// an ADDRESS (or "-") asks for reports, with --format, --full, --list, --subnet and
// --supernet; Qt's own options (with their values) are left for the window; a
// wrong argument is a usage error naming it, with exit status 2.
Startup ReadCommandLine(std::span<const char* const> arguments);

// Stops a start that would open the window with no display to open it on: none
// named by the arguments, nor by DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM in the
// environment (empty counts as unset). Qt would abort there, advising a reinstall;
// this says what is missing in one line, with exit status 1.
Startup RequireDisplay(Startup startup,
                       const std::function<const char*(const char* name)>& environment);

} // namespace quorvane
