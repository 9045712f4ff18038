// SPDX-License-Identifier: MIT
// Random sequences of user actions on the real window, with real key and mouse
// events, and the same invariants checked after every action as on the headless
// window: the Qt adapter must keep every rule the calculator keeps.
#include "RandomActions.h"
#include "StartedWindow.h"

#include <gtest/gtest.h>

#include <QLocale>

namespace quorvane {
namespace {

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
        const std::string failure = hardening::RunRandomSequence(
            seed, kActionsPerSequence, started.user, started.window.fields(), options, reached);
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
