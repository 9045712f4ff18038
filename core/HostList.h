// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace quorvane {

inline constexpr int kMaxHostListLines = 300;

// Appends an address as a dotted quad, as in 192.168.1.0.
void AppendQuad(std::string& out, std::uint32_t address);

// The Hosts/Subnets list text: one line per subnet of 2^hostBits addresses,
// starting with `subnet`, for min(count, 300) lines, each ending in CRLF. Lines
// that run past x.255.255.255 carry into the first octet.
std::string HostList(std::uint32_t subnet, int hostBits, double count);

} // namespace quorvane
