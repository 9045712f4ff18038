// SPDX-License-Identifier: MIT
// Random sequences of user actions on the real window, with real key and mouse
// events, and the same invariants checked after every action as on the headless
// window, on what the widgets show: the Qt adapter must keep every rule the
// calculator keeps, and answer the program what the window shows.
#include "RandomActions.h"
#include "StartedWindow.h"

#include <gtest/gtest.h>

#include <QLocale>

namespace quorvane {
namespace {

template <typename Value>
void ExpectShown(std::string_view what, const Value& answered, const Value& shown,
                 std::vector<std::string>& broken)
{
    if (answered == shown) return;
    broken.push_back(std::string(what) + ": the adapter answers " +
                     ::testing::PrintToString(answered) + ", the window shows " +
                     ::testing::PrintToString(shown));
}

// What the adapter answers the program for each field is what its widget shows.
void ExpectAdapterAnswersWhatIsShown(const Window& fields, const Screen& screen,
                                     std::vector<std::string>& broken)
{
    for (const FieldInfo& info : kFieldCatalogue) {
        switch (info.kind) {
        case FieldKind::Label:
            ExpectShown(info.name, fields.Caption(info.field), screen.Shown(info.field), broken);
            break;
        case FieldKind::TextBox:
        case FieldKind::MultiLine:
            ExpectShown(info.name, fields.Text(info.field), screen.Shown(info.field), broken);
            break;
        case FieldKind::DropDown:
            ExpectShown("SubnetList entries", fields.ListEntries(), screen.ListEntries(), broken);
            ExpectShown("SubnetList selection", fields.ListSelected(), screen.ListSelected(),
                        broken);
            break;
        case FieldKind::Option:
            ExpectShown(info.name, fields.OptionSelected(info.field),
                        screen.OptionSelected(info.field), broken);
            break;
        }
    }
}

constexpr int kBlocks = 4;
constexpr int kActionsPerSequence = 300;

// Seeds of their own, apart from those the headless sequences use.
constexpr hardening::SeedBlocks kSeeds{100000, 10};

class RandomWindowActions : public ::testing::TestWithParam<int> {};

TEST_P(RandomWindowActions, InvariantsHoldAfterEveryAction)
{
    hardening::InvariantOptions options;
    options.decimalPoint = QLocale::system().decimalPoint().toStdString();
    hardening::Reached reached;
    for (int n = 0; n < kSeeds.perBlock; ++n) {
        const auto seed = static_cast<std::uint32_t>(kSeeds.First(GetParam()) + n);
        StartedWindow started;
        started.window.show();
        const auto adapterAgrees = [&started](std::vector<std::string>& broken) {
            ExpectAdapterAnswersWhatIsShown(started.window.fields(), started.screen, broken);
        };
        const std::string failure =
            hardening::RunRandomSequence(seed, kActionsPerSequence, started.user, started.screen,
                                         options, reached, adapterAgrees);
        if (!failure.empty()) ADD_FAILURE() << failure;
    }
    EXPECT_GE(reached.classes.size(), 4U) << ::testing::PrintToString(reached.classes);
}

INSTANTIATE_TEST_SUITE_P(SeedBlocks, RandomWindowActions, ::testing::Range(0, kBlocks),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return kSeeds.Name(info.param);
                         });

} // namespace
} // namespace quorvane
