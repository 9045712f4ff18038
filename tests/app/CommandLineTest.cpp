// SPDX-License-Identifier: MIT
#include "CommandLine.h"
#include "Version.h"

#include <gtest/gtest.h>

#include <cctype>
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

} // namespace
} // namespace quorvane
