// SPDX-License-Identifier: MIT
#pragma once

#include "HostList.h"

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

enum class ReportFormat : std::uint8_t { Text, Html, Json };

// What the command line asks of each report.
struct ReportRequest {
    ReportFormat format = ReportFormat::Text;
    // The list's first lines: 0 for none, the window's 300 at most.
    int listLines = kMaxHostListLines;
    // The mode for an address without a prefix; a prefix chooses its own.
    bool supernet = false;
};

// The report of the address a text holds (any text the window's paste takes), as
// Copy All Results writes it, or as JSON: the program runs on a window without a
// screen, the mode is chosen, and the text is pasted into box 4, exactly as a user
// does it in the window. None when the text holds no address.
std::optional<std::string> ReportOf(std::string_view text, const ReportRequest& request);

// Reports every line of `in`: text and HTML reports one blank line apart, JSON one
// object a line, in the lines' order. The lines are reported on by every core, a
// chunk at a time, and each chunk is written as soon as it and all before it are
// done; a chunk ends where no more input is at hand, so a line typed at a terminal
// is answered at once. Blank lines and lines starting with "#" are skipped; a line
// without an address is named on `err` and skipped. Stops early when `out` can no
// longer be written. Returns the exit status: 0, or 1 when a line held no address.
int ReportLines(std::istream& in, std::ostream& out, std::ostream& err,
                const ReportRequest& request);

// The complaint about a text without an address: `quorvane: no IPv4 address in "foo"`,
// with "line N: " before "no" for a line of a batch.
std::string NoAddressMessage(std::string_view text, std::optional<std::size_t> line = {});

} // namespace quorvane
