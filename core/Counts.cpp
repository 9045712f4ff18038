// SPDX-License-Identifier: MIT
#include "Counts.h"

#include <cmath>

namespace quorvane {

namespace {

// 2^bits - 2, with 1 added when that is below 2.
double Usable(int bits)
{
    double count = std::ldexp(1.0, bits) - 2;
    if (count < 2) count += 1;
    return count;
}

} // namespace

Counts CountsFor(int prefix, int classHostBits, int classNetworkBits, bool supernet)
{
    Counts counts;
    counts.hostBits = 32 - prefix;
    counts.subnetBits = supernet ? classNetworkBits - prefix : classHostBits - counts.hostBits;
    counts.subnets = Usable(counts.subnetBits);
    counts.hosts = Usable(counts.hostBits);
    if (supernet) return counts;

    if (counts.subnets == 0) {
        counts.hostsApply = false;
        counts.total = counts.hosts;
    } else {
        counts.total = counts.subnets * counts.hosts;
    }
    counts.efficiency = counts.total / (std::ldexp(1.0, classHostBits) - 2) * 100;
    return counts;
}

} // namespace quorvane
