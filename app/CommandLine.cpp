// SPDX-License-Identifier: MIT
#include "CommandLine.h"

#include "Version.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace quorvane {

namespace {

// The options QApplication and its X11 platform take out of the arguments itself.
// Qt accepts each with one dash or two.
constexpr std::array<std::string_view, 5> kQtFlags{"-reverse", "-testability", "-widgetcount",
                                                   "-nograb", "-dograb"};
constexpr std::array<std::string_view, 17> kQtOptionsWithValue{
    "-platform",      "-platformpluginpath", "-platformtheme", "-plugin",
    "-qmljsdebugger", "-qwindowgeometry",    "-geometry",      "-qwindowicon",
    "-icon",          "-qwindowtitle",       "-title",         "-session",
    "-style",         "-stylesheet",         "-display",       "-name",
    "-visual"};
// These three also take their value after "=".
constexpr std::array<std::string_view, 3> kQtOptionsWithEquals{
    "-style=", "-stylesheet=", "-qmljsdebugger="};

constexpr std::string_view kHelp =
    "Usage: quorvane [--help | --version] [Qt options]\n"
    "Opens the Quorvane window, a calculator for classful IPv4 subnets and supernets:\n"
    "type an address, choose Subnet or Supernet and pick a mask.\n"
    "\n"
    "  --help      print this help and exit\n"
    "  --version   print the version and exit\n"
    "\n"
    "Qt's own options, such as -style NAME or -platform NAME, go to Qt.\n";

bool Contains(const auto& table, std::string_view name)
{
    return std::find(table.begin(), table.end(), name) != table.end();
}

bool StartsWithAny(const auto& prefixes, std::string_view argument)
{
    return std::any_of(prefixes.begin(), prefixes.end(), [argument](std::string_view prefix) {
        return argument.starts_with(prefix);
    });
}

Startup Exit(int status, std::string out, std::string err)
{
    return {false, status, std::move(out), std::move(err)};
}

} // namespace

Startup ReadCommandLine(std::span<const char* const> arguments)
{
    bool displayNamed = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--help") return Exit(0, std::string(kHelp), {});
        if (argument == "--version")
            return Exit(0, std::string(kProgramName) + " " + kProgramVersion + "\n", {});

        std::string_view option = argument;
        if (option.starts_with("--")) option.remove_prefix(1);
        if (Contains(kQtFlags, option) || StartsWithAny(kQtOptionsWithEquals, option)) continue;
        if (Contains(kQtOptionsWithValue, option)) {
            if (++i < arguments.size()) {
                displayNamed = displayNamed || option == "-platform" || option == "-display";
                continue;
            }
            return Exit(2, {}, "quorvane: " + std::string(argument) + " needs a value\n");
        }
        return Exit(2, {},
                    "quorvane: unknown argument '" + std::string(argument) + "' (try --help)\n");
    }
    Startup startup;
    startup.displayNamed = displayNamed;
    return startup;
}

Startup RequireDisplay(Startup startup,
                       const std::function<const char*(const char* name)>& environment)
{
    if (!startup.openWindow || startup.displayNamed) return startup;
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = environment(name);
        if (value != nullptr && *value != '\0') return startup;
    }
    return Exit(1, {},
                "quorvane: no display to open the window on: neither DISPLAY nor "
                "WAYLAND_DISPLAY is set\n");
}

} // namespace quorvane
