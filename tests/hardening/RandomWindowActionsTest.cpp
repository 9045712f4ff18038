// SPDX-License-Identifier: MIT
// Random sequences of user actions on the real window, with real key and mouse
// events, and the same invariants checked after every action as on the headless
// window: the Qt adapter must keep every rule the calculator keeps.
#include "MainWindow.h"
#include "QtUserActions.h"
#include "RandomActions.h"

#include <gtest/gtest.h>

#include <QLocale>

namespace quorvane {
namespace {

constexpr int kSequencesPerBlock = 10;
constexpr int kBlocks = 4;
constexpr int kActionsPerSequence = 300;

// Seeds of their own, apart from those the headless sequences use.
std::uint32_t FirstSeed(int block)
{
    return static_cast<std::uint32_t>(100000 + block * kSequencesPerBlock);
}

class RandomWindowActions : public ::testing::TestWithParam<int> {};

TEST_P(RandomWindowActions, InvariantsHoldAfterEveryAction)
{
    hardening::InvariantOptions options;
    options.decimalPoint = QLocale::system().decimalPoint().toStdString();
    hardening::Reached reached;
    for (int n = 0; n < kSequencesPerBlock; ++n) {
        const auto seed = static_cast<std::uint32_t>(FirstSeed(GetParam()) + n);
        MainWindow window;
        window.show();
        QtUserActions user(window);
        const std::string failure = hardening::RunRandomSequence(seed, kActionsPerSequence, user,
                                                                 window.fields(), options, reached);
        if (!failure.empty()) ADD_FAILURE() << failure;
    }
    EXPECT_GE(reached.classes.size(), 4U) << ::testing::PrintToString(reached.classes);
}

// Named after the seeds a block runs, so a failure's name says how to repeat it.
INSTANTIATE_TEST_SUITE_P(SeedBlocks, RandomWindowActions, ::testing::Range(0, kBlocks),
                         [](const ::testing::TestParamInfo<int>& info) {
                             const std::uint32_t first = FirstSeed(info.param);
                             return "Seeds" + std::to_string(first) + "To" +
                                    std::to_string(first + kSequencesPerBlock - 1);
                         });

} // namespace
} // namespace quorvane
