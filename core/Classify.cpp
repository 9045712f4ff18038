// SPDX-License-Identifier: MIT
#include "Classify.h"

namespace quorvane {

ClassView Classify(std::int16_t firstOctet)
{
    if (firstOctet == kLoopbackOctet) return {net_class::kA, kLoopbackCaption};
    for (const AddressClass& row : kClasses) {
        if (firstOctet <= row.lastOctet) return {row.netClass, row.caption};
    }
    return {kClasses.back().netClass, kClasses.back().caption};
}

} // namespace quorvane
