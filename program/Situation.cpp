// SPDX-License-Identifier: MIT
#include "Situation.h"

#include "AddressNumbers.h"
#include "Classes.h"
#include "Format.h"
#include "MaskList.h"

namespace quorvane {

std::string Situation::NoMask() const
{
    return "N/A: " + NotSubnettedAddress(netClass) + " is not subnetted.";
}

Situation SituationOf(const Things& things)
{
    Situation now;
    now.netClass = things.NetClass;
    now.supernet = things.SubSuperMode == mode::kSupernet;
    if (now.netClass != net_class::kNone)
        now.address = ShownAddress(things.fields().Caption(Field::BinHost));
    if (now.address && now.netClass <= net_class::kC && things.MaskBits >= kShortestPrefix) {
        now.prefix = things.MaskBits;
        now.counts = CountsFor(things.MaskBits, things.ClassHostBits(now.netClass),
                               things.ClassNetworkBits(now.netClass), now.supernet);
        now.efficiency = FormatPercent(now.counts.efficiency, things.DecimalPoint);
    }
    return now;
}

} // namespace quorvane
