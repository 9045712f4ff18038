// SPDX-License-Identifier: MIT
#include "CommandLine.h"

#include "Version.h"

#include <getopt.h>

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>
#include <vector>

namespace quorvane {

namespace {

// The program's own options: how --help shows them, with an example each.
struct Option {
    const char* name;
    const char* valueName; // none for a switch
    const char* description;
    const char* example;
};

constexpr std::array<Option, 7> kOptions{{
    {"format", "FORMAT", "text (the default), html or json",
     "quorvane --format json 192.168.1.10/26"},
    {"full", nullptr, "the whole report, as the window's Copy All Results copies it",
     "quorvane --full 10.20.30.40/27"},
    {"list", "N", "the first N lines of the Hosts/Subnets list (0 to 300)",
     "quorvane --list 4 10.20.30.40/27"},
    {"subnet", nullptr, "Subnet mode for an address without a prefix (the default)",
     "quorvane --subnet 172.16.5.4"},
    {"supernet", nullptr, "Supernet mode for an address without a prefix",
     "quorvane --supernet 192.168.0.0"},
    {"help", nullptr, "prints this help and exits", "quorvane --help"},
    {"version", nullptr, "prints the version and exits", "quorvane --version"},
}};

// The options QApplication and its X11 platform take out of the arguments itself,
// with one dash or two; they go to the window.
constexpr std::array<const char*, 5> kQtFlags{"reverse", "testability", "widgetcount", "nograb",
                                              "dograb"};
constexpr std::array<const char*, 17> kQtOptionsWithValue{
    "platform",      "platformpluginpath", "platformtheme", "plugin",
    "qmljsdebugger", "qwindowgeometry",    "geometry",      "qwindowicon",
    "icon",          "qwindowtitle",       "title",         "session",
    "style",         "stylesheet",         "display",       "name",
    "visual"};

// The formats' names as a sentence says them, from the table: "text, html or json".
std::string FormatNames()
{
    std::string names;
    for (std::size_t i = 0; i < kReportFormats.size(); ++i) {
        if (i > 0) names += i + 1 == kReportFormats.size() ? " or " : ", ";
        names += kReportFormats[i].name;
    }
    return names;
}

std::string Help()
{
    std::string help =
        "Usage: quorvane [OPTION]... [ADDRESS | -]\n"
        "Without an ADDRESS, opens the Quorvane window, a calculator for classful IPv4\n"
        "subnets and supernets: type an address, choose Subnet or Supernet, pick a mask.\n"
        "\n"
        "With an ADDRESS, prints its results on one screen and opens no window. ADDRESS\n"
        "is any text that holds one, as the window's paste takes it: a prefix length or\n"
        "a mask after it chooses the mode and the mask; without one, the class's own.\n"
        "  quorvane 10.20.30.40/27\n"
        "  quorvane 10.20.30.40 255.255.255.224\n"
        "  quorvane 'IP: 172.16.0.0/255.255.255.192'\n"
        "  quorvane - < addresses.txt   (one address a line from standard input;\n"
        "                                blank lines and lines starting with # skipped)\n"
        "\n"
        "Options (formats: " +
        FormatNames() + "):\n";
    for (const Option& option : kOptions) {
        std::string names = std::string("  --") + option.name;
        if (option.valueName != nullptr) names += std::string(" ") + option.valueName;
        names.resize(std::max<std::size_t>(names.size() + 2, 19), ' ');
        help += names + option.description + "\n";
        help += std::string(19, ' ') + "e.g. " + option.example + "\n";
    }
    return help + "\n"
                  "Exit status:\n"
                  "  0  every text held an address, taken as written\n"
                  "  1  a text held no address, or a part of it was not taken as written: an\n"
                  "     octet above 255 (or a first octet of 0), a prefix or mask the class's\n"
                  "     mask list does not have, a mask that is no mask, or a prefix given to\n"
                  "     a class D or E address; the report shows what was used, and a note on\n"
                  "     standard error and in the report says so\n"
                  "  2  a wrong option\n"
                  "  3  standard output could not be written\n"
                  "Qt's own options, such as -style NAME, go to the window.\n";
}

Startup Exit(int status, std::string out, std::string err)
{
    Startup startup;
    startup.openWindow = false;
    startup.exitStatus = status;
    startup.standardOutput = std::move(out);
    startup.standardError = std::move(err);
    return startup;
}

Startup UsageError(const std::string& message)
{
    return Exit(2, {}, "quorvane: " + message + " (try --help)\n");
}

// An option as it was written, without its dashes or its "=value".
std::string OptionName(std::string_view written)
{
    written.remove_prefix(std::min(written.find_first_not_of('-'), written.size()));
    return std::string(written.substr(0, written.find('=')));
}

// The options getopt reads, ours first, then Qt's; `flag` of each is unused, `val`
// is the option's place in this table (plus one: getopt keeps 0 for itself).
std::vector<option> OptionTable()
{
    std::vector<option> table;
    for (const Option& ours : kOptions)
        table.push_back(
            {ours.name, ours.valueName != nullptr ? required_argument : no_argument, nullptr, 0});
    for (const char* flag : kQtFlags)
        table.push_back({flag, no_argument, nullptr, 0});
    for (const char* qt : kQtOptionsWithValue)
        table.push_back({qt, required_argument, nullptr, 0});
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i].val = static_cast<int>(i + 1);
    table.push_back({nullptr, 0, nullptr, 0});
    return table;
}

} // namespace

Startup ReadCommandLine(std::span<const char* const> arguments)
{
    // getopt reorders the arguments it is given (options first): a copy of them.
    std::vector<std::string> texts{"quorvane"};
    texts.insert(texts.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& text : texts)
        argv.push_back(text.data());
    argv.push_back(nullptr);
    const int argc = static_cast<int>(texts.size());
    const std::vector<option> table = OptionTable();

    // Qt's options are spelled with one dash (-platform NAME, -style=NAME), so a word
    // after one dash is read as a long option; there are no short ones.
    optind = 0; // a fresh scan, each call
    opterr = 0;
    std::vector<std::pair<std::string, std::string>> given; // name and value
    for (;;) {
        const int found = getopt_long_only(argc, argv.data(), ":", table.data(), nullptr);
        if (found == -1) break;
        const std::string written = argv[std::max(optind - 1, 0)];
        if (found == ':' || found == '?') {
            // A value given to a switch ("--help=1"), which getopt reports as either.
            const std::string name = OptionName(written);
            if (written.find('=') != std::string::npos &&
                std::any_of(table.begin(), table.end() - 1, [&name](const option& known) {
                    return known.has_arg == no_argument && name == known.name;
                }))
                return UsageError("unexpected value after '" +
                                  written.substr(0, written.find('=')) + "'");
            if (found == ':') return UsageError("missing value after '" + written + "'");
            return UsageError("unknown option '" + name + "'");
        }
        given.emplace_back(table[static_cast<std::size_t>(found - 1)].name,
                           optarg != nullptr ? optarg : "");
    }
    const auto isSet = [&given](std::string_view name) {
        return std::any_of(given.begin(), given.end(),
                           [name](const auto& option) { return option.first == name; });
    };
    // The last value given, as when an option is repeated.
    const auto value = [&given](std::string_view name) {
        std::string last;
        for (const auto& [option, text] : given) {
            if (option == name) last = text;
        }
        return last;
    };

    if (isSet("help")) return Exit(0, Help(), {});
    if (isSet("version"))
        return Exit(0, std::string(kProgramName) + " " + kProgramVersion + "\n", {});

    ReportsWanted reports;
    if (isSet("format")) {
        const std::string name = value("format");
        reports.request.format = FormatNamed(name);
        if (reports.request.format == nullptr)
            return UsageError("--format takes " + FormatNames() + ", not '" + name + "'");
    }
    if (isSet("list")) {
        const std::string count = value("list");
        const bool digits = !count.empty() && count.size() <= 3 &&
                            count.find_first_not_of("0123456789") == std::string::npos;
        const int lines = digits ? std::stoi(count) : -1;
        if (lines < 0 || lines > kMaxHostListLines)
            return UsageError("--list takes 0 to 300 lines, not '" + count + "'");
        reports.request.listLines = lines;
    }
    reports.request.full = isSet("full");
    const bool subnet = isSet("subnet");
    reports.request.supernet = isSet("supernet");
    if (subnet && reports.request.supernet)
        return UsageError("--subnet and --supernet exclude each other");

    // What getopt left after the options, in their order.
    const std::vector<std::string> positional(argv.begin() + optind, argv.end() - 1);
    if (positional.empty()) {
        for (const char* option : {"format", "full", "list", "subnet", "supernet"}) {
            if (isSet(option))
                return UsageError(std::string("--") + option + " needs an ADDRESS or -");
        }
        Startup startup;
        startup.displayNamed = isSet("platform") || isSet("display");
        return startup;
    }
    if (std::find(positional.begin(), positional.end(), "-") != positional.end()) {
        if (positional.size() > 1)
            return UsageError("- reads the addresses from standard input alone");
        reports.fromStandardInput = true;
    } else {
        // Two arguments are one text: "10.1.2.3 255.255.255.0".
        for (std::size_t i = 0; i < positional.size(); ++i)
            reports.text += (i > 0 ? " " : "") + positional[i];
    }
    Startup startup = Exit(0, {}, {});
    startup.reports = std::move(reports);
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
