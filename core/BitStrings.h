// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace quorvane {

// The eight bits of an octet, most significant first. Consumes the octet: the
// caller's variable holds 0 afterwards (for octets 0..255).
std::string OctetToBits(std::int16_t& octet);

// Value of a bit string; every character other than '1' is a zero bit that still
// takes its position, so only a group or the packed form gives the binary value.
double BitsToNumber(const std::string& bits);

// Combines spaced address bits with spaced mask bits: fill 0 gives the subnet,
// any other fill the broadcast. Always walks 35 positions.
std::string ApplyMask(const std::string& addressBits, const std::string& maskBits,
                      const std::int16_t& fill);

// The four octets of a spaced bit string, the values of its groups at 1, 10, 19
// and 28; a group cut short by the end of the text counts what it has.
std::array<double, 4> SpacedOctets(const std::string& spaced);

// The dotted address a spaced bit string shows, as 192.168.1.0.
std::string DottedFromSpaced(const std::string& spaced);

} // namespace quorvane
