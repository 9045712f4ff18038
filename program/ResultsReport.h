// SPDX-License-Identifier: MIT
#pragma once

#include "Window.h"

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
// its prefix length, class and type, mask, wildcard and host range; then each
// frame's captions and values as the window shows them; last the Hosts/Subnets
// list as the calculator last wrote it. The list is worked out again from the
// labels the user cannot edit (address, prefix, class) and the mode, never read
// from the list box, which the user may have typed into. No tables before any
// address.
std::vector<ReportTable> ResultsReport(const Window& window);

} // namespace quorvane
