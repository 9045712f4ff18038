// SPDX-License-Identifier: MIT
// The event rules of the headless window: which writes and user actions raise
// which events, and what an octet box accepts.
#include "FieldModel.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace quorvane {
namespace {

class ModelRules : public ::testing::Test {
protected:
    ModelRules()
    {
        model.eventHandler = [this](Field source) { raised.emplace_back(NameOf(source)); };
    }
    FieldModel model;
    std::vector<std::string> raised;
};

struct EditCase {
    const char* name;
    const char* before;
    std::function<void(FieldModel&)> edit;
    const char* after;
    int changes;
};

void PrintTo(const EditCase& c, std::ostream* os)
{
    *os << c.name;
}

class OctetBoxEdits : public ModelRules, public ::testing::WithParamInterface<EditCase> {};

TEST_P(OctetBoxEdits, ChangesTextAndRaisesOneEventPerChange)
{
    const EditCase& c = GetParam();
    model.Paste(Field::IP_Part3, c.before);
    raised.clear();
    c.edit(model);
    EXPECT_EQ(model.Text(Field::IP_Part3), c.after);
    EXPECT_EQ(static_cast<int>(raised.size()), c.changes);
    for (const std::string& source : raised)
        EXPECT_EQ(source, "IP_Part3");
}

const char* const kEmoji = "\xF0\x9F\x98\x80"; // U+1F600, two UTF-16 units

INSTANTIATE_TEST_SUITE_P(
    Keystrokes, OctetBoxEdits,
    ::testing::Values(EditCase{"TypesEachCharacter", "",
                               [](FieldModel& m) { m.Type(Field::IP_Part3, "12"); }, "12", 2},
                      EditCase{"RefusesFourthCharacter", "12",
                               [](FieldModel& m) { m.Type(Field::IP_Part3, "345"); }, "123", 1},
                      EditCase{"CountsEmojiAsOneCharacter", "1",
                               [](FieldModel& m) {
                                   m.Type(Field::IP_Part3, std::string(kEmoji) + "23");
                               },
                               "1\xF0\x9F\x98\x80"
                               "2",
                               2},
                      EditCase{"RefusesControlCharacters", "1",
                               [](FieldModel& m) {
                                   m.Type(Field::IP_Part3, "\t\x7F"
                                                           "2");
                               },
                               "12", 1},
                      EditCase{"BackspaceRemovesWholeCodePoint", "1\xF0\x9F\x98\x80",
                               [](FieldModel& m) { m.Backspace(Field::IP_Part3, 1); }, "1", 1},
                      EditCase{"BackspaceOnEmptyChangesNothing", "1",
                               [](FieldModel& m) { m.Backspace(Field::IP_Part3, 5); }, "", 1},
                      EditCase{"ClearOnEmptyChangesNothing", "",
                               [](FieldModel& m) { m.Clear(Field::IP_Part3); }, "", 0},
                      EditCase{"PasteCutsToThreeCharacters", "9",
                               [](FieldModel& m) { m.Paste(Field::IP_Part3, "12345"); }, "123", 1},
                      EditCase{"PasteNeverKeepsHalfAnEmoji", "",
                               [](FieldModel& m) {
                                   m.Paste(Field::IP_Part3, std::string("12") + kEmoji + kEmoji);
                               },
                               "12\xF0\x9F\x98\x80", 1},
                      EditCase{"PasteOfSameTextIsStillOneChange", "12",
                               [](FieldModel& m) { m.Paste(Field::IP_Part3, "12"); }, "12", 1},
                      EditCase{"PasteOfNothingOnEmptyChangesNothing", "",
                               [](FieldModel& m) { m.Paste(Field::IP_Part3, ""); }, "", 0},
                      EditCase{"ProgramWriteRaisesChange", "1",
                               [](FieldModel& m) { m.SetText(Field::IP_Part3, "255"); }, "255", 1},
                      EditCase{"ProgramWriteOfSameTextRaisesNothing", "255",
                               [](FieldModel& m) { m.SetText(Field::IP_Part3, "255"); }, "255", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ModelRules, ListBoxAndCaptionsRaiseNothing)
{
    model.Type(Field::AccessListBox, "typed by hand, longer than three");
    model.SetText(Field::AccessListBox, "1) 10.0.0.0\r\n");
    model.SetCaption(Field::Class, "A");
    model.ListAdd("255.0.0.0");
    model.ListAdd("255.128.0.0");
    model.ListClear();
    EXPECT_TRUE(raised.empty());
    EXPECT_EQ(model.Text(Field::AccessListBox), "1) 10.0.0.0\r\n");
}

TEST_F(ModelRules, SelectionByTextAndPickRaiseOneClickEach)
{
    model.ListAdd("255.0.0.0");
    model.ListAdd("255.128.0.0");
    EXPECT_EQ(model.ListSelected(), "");
    model.ListSelect("255.128.0.0");
    EXPECT_TRUE(model.Pick("255.128.0.0")); // a re-pick of the shown entry still clicks
    EXPECT_FALSE(model.Pick("255.255.0.0"));
    EXPECT_EQ(raised, (std::vector<std::string>{"SubnetList", "SubnetList"}));
    EXPECT_EQ(model.ListSelected(), "255.128.0.0");
    model.ListClear();
    EXPECT_EQ(model.ListSelected(), "");
}

TEST_F(ModelRules, OptionClicksAlwaysRaiseAndKeepOneSelected)
{
    EXPECT_TRUE(model.OptionSelected(Field::Subsuper1));
    model.Click(Field::Subsuper1);
    model.Click(Field::Subsuper2);
    EXPECT_TRUE(model.OptionSelected(Field::Subsuper2));
    EXPECT_FALSE(model.OptionSelected(Field::Subsuper1));
    EXPECT_EQ(raised, (std::vector<std::string>{"Subsuper1", "Subsuper2"}));
}

} // namespace
} // namespace quorvane
