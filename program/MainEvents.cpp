// SPDX-License-Identifier: MIT
#include "MainEvents.h"

#include "MaskList.h"

namespace quorvane {

void MainEvents::Form_Load()
{
    // Class by class with the kind varying fastest, filled host bits first.
    things_.ClassBits[0] = ClassfulHostBits(net_class::kA);
    things_.ClassBits[2] = ClassfulHostBits(net_class::kB);
    things_.ClassBits[4] = ClassfulHostBits(net_class::kC);
    things_.ClassBits[1] = ClassfulPrefix(net_class::kA);
    things_.ClassBits[3] = ClassfulPrefix(net_class::kB);
    things_.ClassBits[5] = ClassfulPrefix(net_class::kC);
}

void MainEvents::IP_Part1_Change()
{
    // Remembered before reading: a nested run raised by a correction of box 1 must
    // compare against the class from before the keystroke too.
    const std::int16_t previousClass = things_.NetClass;
    things_.ReadAddress();
    if (things_.NetClass != previousClass) things_.FillMaskList();
    things_.Calculate();
}

void MainEvents::OctetChanged()
{
    things_.ReadAddress();
    things_.Calculate();
}

void MainEvents::IP_Part2_Change()
{
    OctetChanged();
}
void MainEvents::IP_Part3_Change()
{
    OctetChanged();
}
void MainEvents::IP_Part4_Change()
{
    OctetChanged();
}

void MainEvents::SubnetList_Click()
{
    // "N/A" matches no mask and keeps the prefix; the recalculation runs regardless.
    if (const auto prefix = PrefixForMask(things_.fields().ListSelected())) {
        things_.MaskBits = *prefix;
    }
    things_.Calculate();
}

void MainEvents::Subsuper1_Click()
{
    Fields& fields = things_.fields();
    things_.SubSuperMode = mode::kSubnet;
    fields.SetCaption(Field::SubnetBitsLabel, "Subnet Bits:");
    fields.SetCaption(Field::MaxSubnetsLabel, "Max. Subnets:");
    things_.FillMaskList();
    things_.Calculate();
}

void MainEvents::Subsuper2_Click()
{
    Fields& fields = things_.fields();
    things_.SubSuperMode = mode::kSupernet;
    fields.SetCaption(Field::SubnetBitsLabel, "CIDR Mask Bits:");
    fields.SetCaption(Field::MaxSubnetsLabel, "Subnets/Block:");
    // Supernet runs of Calculate leave these two alone, so they keep "N/A".
    fields.SetCaption(Field::TotalHostsValue, kNotApplicable);
    fields.SetCaption(Field::PercVal, kNotApplicable);
    things_.FillMaskList();
    things_.Calculate();
}

void MainEvents::Handle(Field source)
{
    switch (source) {
    case Field::IP_Part1: IP_Part1_Change(); break;
    case Field::IP_Part2: IP_Part2_Change(); break;
    case Field::IP_Part3: IP_Part3_Change(); break;
    case Field::IP_Part4: IP_Part4_Change(); break;
    case Field::SubnetList: SubnetList_Click(); break;
    case Field::Subsuper1: Subsuper1_Click(); break;
    case Field::Subsuper2: Subsuper2_Click(); break;
    default: break;
    }
}

} // namespace quorvane
