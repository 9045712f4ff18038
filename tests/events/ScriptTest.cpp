// SPDX-License-Identifier: MIT
// The replay player's script language and its JSON output.
#include "Script.h"
#include "Dump.h"
#include "FieldModel.h"
#include "RecordedModel.h"
#include "Replay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace quorvane::replay {
namespace {

struct LineCase {
    const char* line;
    bool valid;
    Action::Kind kind;
    Field field;
    const char* text;
    long long count;
};

TEST(ScriptLines, ParseIntoActionsOrRejections)
{
    using K = Action::Kind;
    const LineCase cases[] = {
        {"type IP_Part1 192", true, K::Type, Field::IP_Part1, "192", 0},
        {"type AccessListBox two  spaces ", true, K::Type, Field::AccessListBox, "two  spaces ", 0},
        {"type IP_Part2 ", true, K::Type, Field::IP_Part2, "", 0},
        {"paste IP_Part4 1e3", true, K::Paste, Field::IP_Part4, "1e3", 0},
        {"back IP_Part3 12", true, K::Back, Field::IP_Part3, "", 12},
        {"clear IP_Part1", true, K::Clear, Field::IP_Part1, "", 0},
        {"pick 255.255.255.0", true, K::Pick, Field::SubnetList, "255.255.255.0", 0},
        {"pick N/A", true, K::Pick, Field::SubnetList, "N/A", 0},
        {"click Subsuper2", true, K::Click, Field::Subsuper2, "", 0},
        {"dump", true, K::Dump, Field::SubnetList, "", 0},
        {"type Class 1", false, {}, {}, "", 0},
        {"type IP_Part5 1", false, {}, {}, "", 0},
        {"back IP_Part1", false, {}, {}, "", 0},
        {"back IP_Part1 -1", false, {}, {}, "", 0},
        {"back IP_Part1 2x", false, {}, {}, "", 0},
        {"clear IP_Part1 now", false, {}, {}, "", 0},
        {"click Subsuper3", false, {}, {}, "", 0},
        {"click IP_Part1", false, {}, {}, "", 0},
        {"dump now", false, {}, {}, "", 0},
        {"Type IP_Part1 1", false, {}, {}, "", 0},
        {" dump", false, {}, {}, "", 0},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.line);
        const ParsedLine parsed = ParseLine(c.line);
        if (!c.valid) {
            EXPECT_TRUE(std::holds_alternative<Malformed>(parsed));
            continue;
        }
        const auto* action = std::get_if<Action>(&parsed);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->kind, c.kind);
        EXPECT_EQ(action->field, c.field);
        EXPECT_EQ(action->text, c.text);
        EXPECT_EQ(action->count, c.count);
    }
    for (const char* ignored : {"", "   ", "# type IP_Part1 1", "#"}) {
        EXPECT_TRUE(std::holds_alternative<Blank>(ParseLine(ignored))) << ignored;
    }
}

TEST(JsonStrings, EscapeQuotesBackslashesAndControlsAndMendBytesThatAreNoUtf8)
{
    EXPECT_EQ(JsonText("a\"b\\c"), R"("a\"b\\c")");
    EXPECT_EQ(JsonText("1\r\n\t\x01\x1f"), R"("1\r\n\t\u0001\u001f")");
    EXPECT_EQ(JsonText("\xC3\xA9/\x7F"), "\"\xC3\xA9/\x7F\"");
    EXPECT_EQ(JsonText("\xFF\t10.1.2.3"), "\"\xEF\xBF\xBD\\t10.1.2.3\"");
}

class ReplayRun : public ::testing::Test {
protected:
    int Run(const std::string& script)
    {
        std::istringstream in(script);
        return replay::Run(in, started.log, model, model, started.program.things(), out, errors);
    }
    RecordedModel started;
    FieldModel& model = started.model;
    std::ostringstream out;
    std::ostringstream errors;
};

TEST_F(ReplayRun, StopsAtFirstBadLineNamingIt)
{
    EXPECT_EQ(Run("type IP_Part1 10\ndump\n\npick 255.255.255.255\ntype IP_Part1 0\ndump\n"),
              kScriptError);
    EXPECT_NE(errors.str().find("line 4"), std::string::npos) << errors.str();
    EXPECT_EQ(model.Text(Field::IP_Part1), "10");
    const std::string printed = out.str();
    EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 1);
}

TEST_F(ReplayRun, DumpListsStateAndOperationsSinceThePreviousDump)
{
    ASSERT_EQ(Run("dump\nclick Subsuper2\ndump\ndump\n"), 0);
    std::istringstream lines(out.str());
    std::string first, second, third;
    std::getline(lines, first);
    std::getline(lines, second);
    std::getline(lines, third);
    EXPECT_EQ(first.rfind("{\"IP_Part1\":\"\",\"IP_Part2\":\"\"", 0), 0u) << first;
    EXPECT_NE(first.find(R"("ops":[["event","Form_Load"]]})"), std::string::npos) << first;
    EXPECT_NE(second.find(R"("SubnetList":{"entries":["255.0.0.0",)"), std::string::npos);
    EXPECT_NE(second.find(R"("selected":null},"Subsuper1":false,"Subsuper2":true,)"),
              std::string::npos);
    EXPECT_NE(second.find(R"("ops":[["event","Subsuper2_Click"],["set","SubnetBitsLabel",)"),
              std::string::npos);
    EXPECT_NE(third.find(R"("NetClass":0,"MaskBits":0,"SubSuperMode":1,"ops":[]})"),
              std::string::npos)
        << third;
}

} // namespace
} // namespace quorvane::replay
