// SPDX-License-Identifier: MIT
#pragma once

#include "HostList.h"
#include "Window.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

// A titled table of the report: caption and value rows, or the Hosts/Subnets list
// under its column headings.
struct ReportTable {
    std::string title; // none for the first table, the address's own facts
    std::vector<std::string> headings;
    std::vector<std::vector<std::string>> rows;
    std::string note; // says why a table has no rows, or that it holds only some
};

inline constexpr std::string_view kNoAddressYet = "No address has been entered yet.";

// The results as people read them in a ticket or a mail. First the address with
// its prefix length, class and type, mask, wildcard, host range and every subnet
// counted; then each frame's captions and values as the window shows them; last
// the Hosts/Subnets list as the calculator last wrote it, its first `listLines`
// lines. The list is worked out again from the labels the user cannot edit
// (address, prefix, class) and the mode, never read from the list box, which the
// user may have typed into. No tables before any address.
std::vector<ReportTable> ResultsReport(const Window& window, int listLines = kMaxHostListLines);

// The answer an engineer came for, on one screen: the address with its prefix
// length, class, type, mask and wildcard, subnet, broadcast, host range and counts
// (the window's captions for its own figures); none before any address.
std::optional<ReportTable> SummaryReport(const Window& window);

// The report's last table alone, the Hosts/Subnets list; none before any address.
std::optional<ReportTable> HostListReport(const Window& window, int listLines = kMaxHostListLines);

// The prefix length the window shows; none where it shows "N/A" (classes D and E)
// or nothing yet.
std::optional<int> ShownPrefix(const Window& window);

// The first and last host of a subnet: from its address plus one to its broadcast
// minus one; both addresses of a /31, the two ends of a link (RFC 3021).
struct UsableHosts {
    std::uint32_t first;
    std::uint32_t last;
};
UsableHosts UsableHostsOf(std::uint32_t subnet, int prefix);

} // namespace quorvane
