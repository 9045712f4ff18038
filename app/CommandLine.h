// SPDX-License-Identifier: MIT
#pragma once

#include "CommandLineRun.h"

#include <functional>
#include <optional>
#include <span>
#include <string>

namespace quorvane {

// The addresses to report on instead of opening the window.
struct ReportsWanted {
    // The arguments' text, joined by spaces ("10.1.2.3 255.255.255.0" as two
    // arguments is one address), or, for "-", one address a line of standard input.
    bool fromStandardInput = false;
    std::string text;
    ReportRequest request;
};

// What the program does with its arguments. It is decided before anything of the
// window starts, so reports, --help, --version and a wrong argument need no
// display and no platform plugin.
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
// an ADDRESS (or "-") asks for reports, with --format, --list, --subnet and
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
