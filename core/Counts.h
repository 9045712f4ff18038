// SPDX-License-Identifier: MIT
#pragma once

namespace quorvane {

// The figures a prefix length gives an address of a class A, B or C network, as
// the window shows them.
struct Counts {
    int hostBits = 0;   // 32 - prefix
    int subnetBits = 0; // Subnet mode: bits borrowed from the hosts; Supernet: classful
                        // network bits given up
    // 2^subnetBits: every subnet, subnet zero and the all-ones subnet included;
    // Supernet: the classful networks the block joins.
    double allSubnets = 0;
    double rawSubnets = 0;   // allSubnets - 2, as worked out before a count below 2 is raised
    double subnets = 0;      // rawSubnets, at least 1 from one bit on: subnet zero and the
                             // all-ones subnet are not counted
    double rawHosts = 0;     // 2^hostBits - 2, as worked out before a count below 2 is raised
    double hosts = 0;        // rawHosts, at least 1: the subnet and broadcast addresses are
                             // not hosts
    double networkHosts = 0; // 2^classHostBits - 2: the hosts of the network left whole
    // Subnet mode only: false when the network is not subnetted (no subnet bits);
    // Hosts/Subnet then shows "N/A" and the total is the network's own hosts.
    bool hostsApply = true;
    double total = 0;      // Subnet mode: usable hosts in all subnets
    double efficiency = 0; // Subnet mode: total in percent of the network's own hosts
};

// The counts for `prefix` (2 to 31) in a network of `classHostBits` host bits and
// `classNetworkBits` network bits. Exact: every count is a whole number below 2^32.
Counts CountsFor(int prefix, int classHostBits, int classNetworkBits, bool supernet);

} // namespace quorvane
