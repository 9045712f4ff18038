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
};

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
             "quorvane: -platform needs a value\n"},
        Case{"unknown",
             {"--verbose"},
             false,
             2,
             "",
             "quorvane: unknown argument '--verbose' (try --help)\n"},
        Case{"single-dash version",
             {"-version"},
             false,
             2,
             "",
             "quorvane: unknown argument '-version' (try --help)\n"},
        Case{"a file name",
             {"notes.txt", "--help"},
             false,
             2,
             "",
             "quorvane: unknown argument 'notes.txt' (try --help)\n"},
        Case{"empty", {""}, false, 2, "", "quorvane: unknown argument '' (try --help)\n"}),
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
