// SPDX-License-Identifier: MIT
#include "Counts.h"

#include <cmath>

namespace quorvane {

namespace {

// A count of 2^n - 2 as the window shows it: with 1 added when that is below 2.
double Raised(double raw)
{
    return raw < 2 ? raw + 1 : raw;
}

} // namespace

Counts CountsFor(int prefix, int classHostBits, int classNetworkBits, bool supernet)
{
    Counts counts;
    counts.hostBits = 32 - prefix;
    counts.subnetBits = supernet ? classNetworkBits - prefix : classHostBits - counts.hostBits;
    counts.allSubnets = std::ldexp(1.0, counts.subnetBits);
    counts.rawSubnets = counts.allSubnets - 2;
    counts.subnets = Raised(counts.rawSubnets);
    counts.rawHosts = std::ldexp(1.0, counts.hostBits) - 2;
    counts.hosts = Raised(counts.rawHosts);
    counts.networkHosts = std::ldexp(1.0, classHostBits) - 2;
    if (supernet) return counts;

    if (counts.subnets == 0) {
        counts.hostsApply = false;
        counts.total = counts.hosts;
    } else {
        counts.total = counts.subnets * counts.hosts;
    }
    counts.efficiency = counts.total / counts.networkHosts * 100;
    return counts;
}

} // namespace quorvane
