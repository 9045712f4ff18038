// SPDX-License-Identifier: MIT
// Long random sequences of what a user can do, on the headless window, with the
// invariants checked after every single action.
#include "RandomActions.h"
#include "FieldModel.h"
#include "MaskList.h"
#include "Program.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

constexpr int kBlocks = 4;
constexpr int kActionsPerSequence = 300;

constexpr hardening::SeedBlocks kSeeds{1, 50};

class RandomActions : public ::testing::TestWithParam<int> {};

TEST_P(RandomActions, InvariantsHoldAfterEveryAction)
{
    hardening::Reached reached;
    for (int n = 0; n < kSeeds.perBlock; ++n) {
        const auto seed = static_cast<std::uint32_t>(kSeeds.First(GetParam()) + n);
        FieldModel window;
        Program program(window);
        // The state behind the window agrees with what it shows.
        const auto maskBitsAgree = [&](std::vector<std::string>& broken) {
            const auto prefix = PrefixForMask(window.ListSelected());
            if (prefix && program.things().MaskBits != *prefix) {
                broken.push_back("MaskBits " + std::to_string(program.things().MaskBits) + " but " +
                                 window.ListSelected() + " is selected");
            }
        };
        const std::string failure = hardening::RunRandomSequence(
            seed, kActionsPerSequence, window, window, {}, reached, maskBitsAgree);
        if (!failure.empty()) ADD_FAILURE() << failure;
    }
    EXPECT_GE(reached.classes.size(), 6U) << "the sequences should reach every class, reached: "
                                          << ::testing::PrintToString(reached.classes);
    EXPECT_TRUE(reached.supernet);
    EXPECT_TRUE(reached.fullList) << "the sequences should reach a 300-line list";
}

INSTANTIATE_TEST_SUITE_P(SeedBlocks, RandomActions, ::testing::Range(0, kBlocks),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return kSeeds.Name(info.param);
                         });

} // namespace
} // namespace quorvane
