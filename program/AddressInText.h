// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

// An address found in a text, as the user wrote it.
struct PastedAddress {
    // The four groups of digits as written: "01" stays "01", "300" stays "300".
    std::array<std::string, 4> octets;
    // The prefix length the text gives the address (0 to 999: longer numbers read as
    // 999; a mask's 0 to 32); none when it gives none, or a mask that is no mask.
    std::optional<int> prefix;
    // The prefix as written ("/27", "/255.255.255.224", "255.255.255.224"), empty when
    // the text gives none: what a user is told was not taken as written.
    std::string prefixText;
};

// Finds the address in a text copied from anywhere: a console (`ip addr`,
// `ifconfig`, `ipconfig`), a router's configuration, a ticket, a chat line, a
// spreadsheet cell, a URL. The address is the first run of four groups of 1 to 3
// ASCII digits joined by "." that is neither part of a longer dotted run nor glued
// to an ASCII letter or digit; whatever stands around it is ignored. Its prefix, in
// this order:
// - "/" and digits right after it, blanks allowed around the "/";
// - "/" and a mask or a wildcard mask right after it (10.0.0.0/255.255.255.0);
// - else the next such run after it, on the same or a later line, when that is a
//   mask (ones, then zeros: 255.255.255.0 is /24) or a wildcard mask (zeros, then
//   ones: 0.0.0.255 is /24).
// A run in the place of a mask that begins with 255 or 0 but is neither
// (255.0.255.0) is kept as the prefix's text with no prefix; anything else after
// the address (a gateway, the end of a range) gives no prefix. Nothing when the
// text holds no address.
std::optional<PastedAddress> FindAddress(std::string_view text);

} // namespace quorvane
