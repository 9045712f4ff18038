// SPDX-License-Identifier: MIT
// The open mask list's hints: for every entry of every class A, B and C list in
// both modes, the hint names the entry's prefix and the two counts the window
// shows once the entry is picked; the entry's tooltip and accessible description
// carry the same words, and its text stays the mask alone.
#include "MaskHints.h"
#include "WindowFixture.h"

#include <QComboBox>
#include <QLabel>

namespace quorvane {
namespace {

struct HintCase {
    const char* address;
    bool supernet;
};

class MaskHintsMatchTheFigures : public WindowTest, public ::testing::WithParamInterface<HintCase> {
protected:
    std::string Shown(std::string_view label) const
    {
        return Find<QLabel>(label)->text().toStdString();
    }
    static std::string Counted(const std::string& count, const char* one, const char* many)
    {
        return count + (count == "1" ? one : many);
    }
    // What the hint must say, from what the window shows with the entry picked.
    std::string Expected() const
    {
        const std::string prefix = "/" + Shown("MaskBitsValue") + " \u00b7 ";
        const std::string dot = " \u00b7 ";
        if (GetParam().supernet) {
            return prefix + Shown("MaxSubnetsValue") + " per block" + dot +
                   Counted(Shown("MaxHostsValue"), " host", " hosts");
        }
        if (Shown("MaxHostsValue") == "N/A") {
            return prefix + "not subnetted" + dot +
                   Counted(Shown("TotalHostsValue"), " host", " hosts");
        }
        return prefix + Counted(Shown("MaxSubnetsValue"), " subnet", " subnets") + dot +
               Counted(Shown("MaxHostsValue"), " host", " hosts") + " each";
    }
};

TEST_P(MaskHintsMatchTheFigures, ForEveryEntry)
{
    user.Paste(Field::IP_Part1, GetParam().address);
    if (GetParam().supernet) user.Click(Field::Subsuper2);
    auto* list = Find<QComboBox>("SubnetList");
    ASSERT_GT(list->count(), 1);
    for (int row = 0; row < list->count(); ++row) {
        const std::string mask = list->itemText(row).toStdString();
        const QString hint = list->itemData(row, kMaskHintRole).toString();
        ASSERT_TRUE(user.Pick(mask)) << mask;
        EXPECT_EQ(hint.toStdString(), Expected()) << mask;
        EXPECT_EQ(list->itemData(row, Qt::ToolTipRole).toString(), hint) << mask;
        EXPECT_EQ(list->itemData(row, Qt::AccessibleDescriptionRole).toString(), hint) << mask;
        EXPECT_EQ(list->currentText().toStdString(), mask);
    }
}

INSTANTIATE_TEST_SUITE_P(Classes, MaskHintsMatchTheFigures,
                         ::testing::Values(HintCase{"10.1.2.3", false}, HintCase{"10.1.2.3", true},
                                           HintCase{"172.16.5.6", false},
                                           HintCase{"172.16.5.6", true},
                                           HintCase{"192.168.10.0", false},
                                           HintCase{"192.168.10.0", true}),
                         [](const ::testing::TestParamInfo<HintCase>& info) {
                             return std::string(info.param.supernet ? "Supernet" : "Subnet") +
                                    "Class" + "ABC"[info.index / 2];
                         });

} // namespace
} // namespace quorvane
