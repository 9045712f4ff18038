// SPDX-License-Identifier: MIT
// The invariant checker must notice a wrong window: each row spoils one detail of
// a correct window and expects a report.
#include "WindowInvariants.h"
#include "FieldModel.h"
#include "Program.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

namespace quorvane {
namespace {

struct Spoil {
    const char* name;
    std::function<void(FieldModel&)> apply;
};

void PrintTo(const Spoil& spoil, std::ostream* os)
{
    *os << spoil.name;
}

void ReplaceInList(FieldModel& window, const std::string& from, const std::string& to)
{
    std::string list = window.Text(Field::AccessListBox);
    const std::size_t at = list.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    list.replace(at, from.size(), to);
    window.SetText(Field::AccessListBox, list);
}

const Spoil kSpoils[] = {
    {"class name in lower case", [](FieldModel& w) { w.SetCaption(Field::Class, "b"); }},
    {"network part of class C form",
     [](FieldModel& w) { w.SetCaption(Field::NetID, "172.16.5.x"); }},
    {"decimal address grouped", [](FieldModel& w) { w.SetCaption(Field::DecIP, "2,886,731,085"); }},
    {"binary address without its last space",
     [](FieldModel& w) { w.SetCaption(Field::BinHost, "10101100 00010000 0000010101001101"); }},
    {"broadcast one too low",
     [](FieldModel& w) { w.SetCaption(Field::IPBroadcast, "172.16.5.126"); }},
    {"prefix shown disagrees with the selected mask",
     [](FieldModel& w) { w.SetCaption(Field::MaskBitsValue, "25"); }},
    {"efficiency rounded down", [](FieldModel& w) { w.SetCaption(Field::PercVal, "96.6%"); }},
    {"efficiency with a comma", [](FieldModel& w) { w.SetCaption(Field::PercVal, "96,7%"); }},
    {"total hosts off by one",
     [](FieldModel& w) { w.SetCaption(Field::TotalHostsValue, "63363"); }},
    {"list skips a subnet",
     [](FieldModel& w) { ReplaceInList(w, "2) 172.16.5.128 ", "2) 172.16.5.192 "); }},
    {"list line with a wrong last host",
     [](FieldModel& w) { ReplaceInList(w, "to 172.16.5.190 ", "to 172.16.5.191 "); }},
    {"list column one space short",
     [](FieldModel& w) {
         ReplaceInList(w, "1) 172.16.5.64             ", "1) 172.16.5.64            ");
     }},
    {"list cut at 299 lines",
     [](FieldModel& w) {
         std::string list = w.Text(Field::AccessListBox);
         list.erase(list.rfind("300) "));
         w.SetText(Field::AccessListBox, list);
     }},
    {"list lines end in LF only",
     [](FieldModel& w) { ReplaceInList(w, "172.16.5.127\r\n", "172.16.5.127\n"); }},
    {"mask list missing its last entry",
     [](FieldModel& w) {
         const std::string selected = w.ListSelected();
         std::vector<std::string> entries = w.ListEntries();
         entries.pop_back();
         w.ListClear();
         for (const std::string& entry : entries)
             w.ListAdd(entry);
         w.eventHandler = nullptr; // keep the selection without recalculating
         w.ListSelect(selected);
     }},
};

class SpoiledWindow : public ::testing::TestWithParam<Spoil> {};

TEST_P(SpoiledWindow, IsReported)
{
    FieldModel window;
    Program program(window);
    EnterOctets(window, {"172", "16", "5", "77"});
    ASSERT_TRUE(window.Pick("255.255.255.192"));
    ASSERT_EQ(hardening::CheckWindow(window), std::vector<std::string>{});

    GetParam().apply(window);
    EXPECT_FALSE(hardening::CheckWindow(window).empty());
}

INSTANTIATE_TEST_SUITE_P(Spoils, SpoiledWindow, ::testing::ValuesIn(kSpoils),
                         [](const ::testing::TestParamInfo<Spoil>& info) {
                             std::string name = info.param.name;
                             for (char& c : name) {
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             }
                             return name;
                         });

TEST(WindowInvariants, SupernetTotalsMustStayNotApplicable)
{
    FieldModel window;
    Program program(window);
    window.Type(Field::IP_Part1, "192");
    window.Click(Field::Subsuper2);
    ASSERT_EQ(hardening::CheckWindow(window), std::vector<std::string>{});
    window.SetCaption(Field::TotalHostsValue, "254");
    EXPECT_FALSE(hardening::CheckWindow(window).empty());
}

TEST(WindowInvariants, ExperimentalMustShowNoList)
{
    FieldModel window;
    Program program(window);
    window.Type(Field::IP_Part1, "192");
    window.Pick("255.255.255.128");
    const std::string list = window.Text(Field::AccessListBox);
    window.Paste(Field::IP_Part1, "250");
    ASSERT_EQ(hardening::CheckWindow(window), std::vector<std::string>{});
    window.SetText(Field::AccessListBox, list);
    EXPECT_FALSE(hardening::CheckWindow(window).empty());
}

} // namespace
} // namespace quorvane
