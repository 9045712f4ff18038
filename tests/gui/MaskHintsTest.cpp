// SPDX-License-Identifier: MIT
// The open mask list's hints: for every entry of every class A, B and C list in
// both modes, the hint names the entry's prefix and the two counts the window
// shows once the entry is picked; the entry's tooltip and accessible description
// carry the same words, and its text stays the mask alone. Then what the open list
// paints of them.
#include "MaskHints.h"
#include "WindowFixture.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>

#include <algorithm>
#include <cstdlib>
#include <limits>

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

// The pixels where `drawn` differs from `under`: the columns they span, and the
// strongest contrast of one with what is under it (in grey levels, below zero darker).
struct Ink {
    int left = std::numeric_limits<int>::max();
    int right = -1;
    int contrast = 0;
};

Ink InkOf(const QImage& drawn, const QImage& under)
{
    Ink ink;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            if (drawn.pixel(x, y) == under.pixel(x, y)) continue;
            ink.left = std::min(ink.left, x);
            ink.right = std::max(ink.right, x);
            const int contrast = qGray(drawn.pixel(x, y)) - qGray(under.pixel(x, y));
            if (std::abs(contrast) > std::abs(ink.contrast)) ink.contrast = contrast;
        }
    }
    return ink;
}

TEST_F(WindowTest, OpenMaskListDrawsEachHintAfterItsMaskInAQuieterColour)
{
    user.Paste(Field::IP_Part1, "10.1.2.3");
    auto* list = Find<QComboBox>("SubnetList");
    QAbstractItemModel& entries = *list->model();
    const QModelIndex picked = entries.index(0, list->modelColumn());

    // The closed box looks as it would with the mask alone for an entry.
    const QImage closed = list->grab().toImage();
    const QVariant hint = picked.data(kMaskHintRole);
    entries.setData(picked, QString(), kMaskHintRole);
    entries.setData(picked, QStringLiteral("255.0.0.0"), Qt::DisplayRole);
    EXPECT_EQ(list->grab().toImage(), closed);
    entries.setData(picked, hint, kMaskHintRole);

    list->showPopup();
    QAbstractItemView& view = *list->view();
    // The drop-down widens to fit the hints, the box keeps its size.
    EXPECT_GT(view.width(), list->width());
    for (int row : {0, 1}) { // the picked entry, drawn selected, and the next
        SCOPED_TRACE(row);
        const QModelIndex entry = entries.index(row, list->modelColumn());
        const QRect rect = view.visualRect(entry);
        const auto drawn = [&] { return view.viewport()->grab(rect).toImage(); };
        const QImage withHint = drawn();
        const int hintWidth =
            view.fontMetrics().horizontalAdvance(entry.data(kMaskHintRole).toString());
        entries.setData(entry, QString(), kMaskHintRole);
        const QImage maskAlone = drawn();
        entries.setData(entry, QString(), Qt::DisplayRole);
        const Ink mask = InkOf(maskAlone, drawn());
        const Ink hintInk = InkOf(withHint, maskAlone);
        EXPECT_NE(mask.contrast, 0);
        // After the mask, and whole.
        EXPECT_GT(hintInk.left, mask.right);
        EXPECT_GT(hintInk.right - hintInk.left, hintWidth * 9 / 10);
        // Quieter: the same way from the paper as the mask, and not as far.
        EXPECT_GT(hintInk.contrast * mask.contrast, 0);
        EXPECT_LT(std::abs(hintInk.contrast), std::abs(mask.contrast));
    }
    list->hidePopup();
}

} // namespace
} // namespace quorvane
