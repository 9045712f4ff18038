// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace quorvane {

// What kind of address this is by the IANA special-purpose registries, in a few
// words with the RFC that reserves it: "private-use (RFC 1918)", "loopback (RFC
// 1122)", "multicast (RFC 5771; class D, not subnetted)", ..., or "public" for every
// address no block reserves.
std::string AddressType(std::uint32_t address);

} // namespace quorvane
