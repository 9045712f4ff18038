// SPDX-License-Identifier: MIT
#include "CommandLine.h"
#include "Version.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <string>
#include <vector>

namespace quorvane {
namespace {

struct Case {
    const char* name;
    std::vector<const char*> arguments;
    bool openWindow;
    int exitStatus;
    std::string standardOutputStart;
    std::string standardError;
    // The reports asked for: format, list lines, mode and the text; "" for none.
    std::string reports = "";
};

std::string Reports(const Startup& startup)
{
    if (!startup.reports) return "";
    const ReportsWanted& r = *startup.reports;
    return std::string(r.request.format->name) + " " +
           (r.request.listLines ? std::to_string(*r.request.listLines) : "-") +
           (r.request.full ? " full" : "") + (r.request.supernet ? " supernet " : " subnet ") +
           (r.fromStandardInput ? "stdin" : "'" + r.text + "'");
}

class CommandLineTest : public ::testing::TestWithParam<Case> {};

TEST_P(CommandLineTest, DecidesBeforeQtStarts)
{
    const Case& c = GetParam();
    const Startup startup = ReadCommandLine(c.arguments);
    EXPECT_EQ(startup.openWindow, c.openWindow);
    EXPECT_EQ(startup.exitStatus, c.exitStatus);
    EXPECT_TRUE(startup.standardOutput.starts_with(c.standardOutputStart))
        << startup.standardOutput;
    EXPECT_EQ(startup.standardOutput.empty(), c.standardOutputStart.empty());
    EXPECT_EQ(startup.standardError, c.standardError);
    EXPECT_EQ(Reports(startup), c.reports);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CommandLineTest,
    ::testing::Values(
        Case{"none", {}, true, 0, "", ""},
        Case{"version",
             {"--version"},
             false,
             0,
             std::string("Quorvane ") + kProgramVersion + "\n",
             ""},
        Case{"help", {"--help"}, false, 0, "Usage: quorvane", ""},
        Case{"help after a Qt option", {"-style", "fusion", "--help"}, false, 0, "Usage:", ""},
        Case{"help before an address", {"notes.txt", "--help"}, false, 0, "Usage:", ""},
        Case{"Qt options with values",
             {"-platform", "xcb", "--display", ":1", "-style=fusion"},
             true,
             0,
             "",
             ""},
        // The value of a Qt option is Qt's, even when it looks like ours.
        Case{"Qt value not ours", {"-title", "--version"}, true, 0, "", ""},
        Case{"Qt flag", {"-reverse"}, true, 0, "", ""},
        Case{"Qt option without its value",
             {"-platform"},
             false,
             2,
             "",
             "quorvane: missing value after '-platform' (try --help)\n"},
        Case{"unknown",
             {"--verbose"},
             false,
             2,
             "",
             "quorvane: unknown option 'verbose' (try --help)\n"},
        Case{"address", {"10.20.30.40/27"}, false, 0, "", "", "text - subnet '10.20.30.40/27'"},
        Case{"address and mask as two arguments",
             {"10.20.30.40", "255.255.255.224"},
             false,
             0,
             "",
             "",
             "text - subnet '10.20.30.40 255.255.255.224'"},
        Case{"every option",
             {"--format", "json", "--list=0", "--supernet", "192.168.0.0"},
             false,
             0,
             "",
             "",
             "json 0 supernet '192.168.0.0'"},
        Case{"html, subnet",
             {"--subnet", "--format", "html", "10.0.0.0/8"},
             false,
             0,
             "",
             "",
             "html - subnet '10.0.0.0/8'"},
        Case{"a Qt option before an address",
             {"-style", "fusion", "1.2.3.4"},
             false,
             0,
             "",
             "",
             "text - subnet '1.2.3.4'"},
        Case{"standard input", {"-", "--list", "2"}, false, 0, "", "", "text 2 subnet stdin"},
        Case{"the whole report",
             {"--full", "10.0.0.0/9", "--list", "4"},
             false,
             0,
             "",
             "",
             "text 4 full subnet '10.0.0.0/9'"},
        Case{"a value for a switch",
             {"--full=yes", "10.0.0.0/9"},
             false,
             2,
             "",
             "quorvane: unexpected value after '--full' (try --help)\n"},
        Case{"empty text is a text", {""}, false, 0, "", "", "text - subnet ''"},
        Case{"standard input and an address",
             {"-", "10.1.2.3"},
             false,
             2,
             "",
             "quorvane: - reads the addresses from standard input alone (try --help)\n"},
        Case{"unknown format",
             {"--format", "xml", "10.1.2.3"},
             false,
             2,
             "",
             "quorvane: --format takes text, html or json, not 'xml' (try --help)\n"},
        Case{"list too long",
             {"--list", "301", "10.1.2.3"},
             false,
             2,
             "",
             "quorvane: --list takes 0 to 300 lines, not '301' (try --help)\n"},
        Case{"list not a number",
             {"--list", "-1", "10.1.2.3"},
             false,
             2,
             "",
             "quorvane: --list takes 0 to 300 lines, not '-1' (try --help)\n"},
        Case{"both modes",
             {"--subnet", "--supernet", "10.1.2.3"},
             false,
             2,
             "",
             "quorvane: --subnet and --supernet exclude each other (try --help)\n"},
        Case{"a format without an address",
             {"--format", "json"},
             false,
             2,
             "",
             "quorvane: --format needs an ADDRESS or - (try --help)\n"}),
    [](const ::testing::TestParamInfo<Case>& info) {
        std::string name = info.param.name;
        for (char& ch : name)
            if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
        return name;
    });

// Every option QGuiApplication and its X11 platform take with a value, as Qt's
// documentation lists them: each leaves its value to Qt, with one dash or two, even
// a value that looks like one of ours.
TEST(QtOptionsWithValue, EachPassesWithItsValue)
{
    for (const char* option :
         {"platform", "platformpluginpath", "platformtheme", "plugin", "qmljsdebugger",
          "qwindowgeometry", "geometry", "qwindowicon", "icon", "qwindowtitle", "title", "session",
          "style", "stylesheet", "display", "name", "visual"}) {
        for (const char* dashes : {"-", "--"}) {
            const std::string spelled = dashes + std::string(option);
            const std::vector<const char*> arguments{spelled.c_str(), "--version"};
            const Startup startup = ReadCommandLine(arguments);
            EXPECT_TRUE(startup.openWindow) << spelled << ": " << startup.standardError;
            EXPECT_EQ(startup.exitStatus, 0) << spelled;
        }
    }
}

struct DisplayCase {
    const char* name;
    std::vector<const char*> arguments;
    std::map<std::string, std::string> environment;
    bool openWindow;
    int exitStatus;
};

class RequireDisplayTest : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(RequireDisplayTest, OpensTheWindowOnlyWhereThereIsADisplay)
{
    const DisplayCase& c = GetParam();
    const Startup startup =
        RequireDisplay(ReadCommandLine(c.arguments), [&c](const char* name) -> const char* {
            const auto it = c.environment.find(name);
            return it == c.environment.end() ? nullptr : it->second.c_str();
        });
    EXPECT_EQ(startup.openWindow, c.openWindow);
    EXPECT_EQ(startup.exitStatus, c.exitStatus);
    if (c.exitStatus == 1) {
        EXPECT_EQ(startup.standardError, "quorvane: no display to open the window on: neither "
                                         "DISPLAY nor WAYLAND_DISPLAY is set\n");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Displays, RequireDisplayTest,
    ::testing::Values(DisplayCase{"None", {}, {}, false, 1},
                      DisplayCase{"EmptyCountsAsUnset", {}, {{"DISPLAY", ""}}, false, 1},
                      DisplayCase{"X", {}, {{"DISPLAY", ":0"}}, true, 0},
                      DisplayCase{"Wayland", {}, {{"WAYLAND_DISPLAY", "wayland-0"}}, true, 0},
                      DisplayCase{
                          "PlatformChosen", {}, {{"QT_QPA_PLATFORM", "offscreen"}}, true, 0},
                      DisplayCase{"PlatformOption", {"-platform", "offscreen"}, {}, true, 0},
                      DisplayCase{"DisplayOption", {"--display", ":1"}, {}, true, 0},
                      DisplayCase{"VersionNeedsNone", {"--version"}, {}, false, 0}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace quorvane
