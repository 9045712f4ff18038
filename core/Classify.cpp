// SPDX-License-Identifier: MIT
#include "Classify.h"

namespace quorvane {

ClassView Classify(std::int16_t firstOctet)
{
    if (firstOctet <= 126) return {net_class::kA, "A"};
    if (firstOctet == 127) return {net_class::kA, "Loopback"};
    if (firstOctet <= 191) return {net_class::kB, "B"};
    if (firstOctet <= 223) return {net_class::kC, "C"};
    if (firstOctet <= 239) return {net_class::kMulticast, "Multicast"};
    return {net_class::kExperimental, "Experimental"};
}

} // namespace quorvane
