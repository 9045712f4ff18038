// SPDX-License-Identifier: MIT
#pragma once

#include "HostList.h"
#include "ReportFormats.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

// What the command line asks of each report.
struct ReportRequest {
    const ReportFormat* format = &kReportFormats.front();
    // The whole report, as Copy All Results copies it; otherwise the screenful an
    // engineer came for.
    bool full = false;
    // The Hosts/Subnets list's first lines (0 to the window's 300); none for none in
    // a screenful, all 300 in the whole report.
    std::optional<int> listLines;
    // The mode for an address without a prefix; a prefix chooses its own.
    bool supernet = false;
};

// The addresses to report on instead of opening the window.
struct ReportsWanted {
    // The arguments' text, joined by spaces ("10.1.2.3 255.255.255.0" as two
    // arguments is one address), or, for "-", one address a line of standard input.
    bool fromStandardInput = false;
    std::string text;
    ReportRequest request;
};

// How a run of the command line ends.
namespace exit_status {
inline constexpr int kDone = 0;
// A text held no address, or one of its parts was not taken as written (the report
// shows what was used instead, and a note says so).
inline constexpr int kNotAsWritten = 1;
inline constexpr int kUsage = 2;
// Standard output could not be written (a full disk, a closed descriptor).
inline constexpr int kCannotWrite = 3;
} // namespace exit_status

// A report, and what of the text it reports on was not taken as written.
struct Report {
    std::string text;
    std::vector<std::string> notes;
};

// The report of the address a text holds (any text the window's paste takes): the
// program runs on a window without a screen, the mode is chosen, and the text is
// pasted into box 4, exactly as a user does it in the window. A screenful, with a
// line that says how to see the list when there is one, or the whole report Copy
// All Results copies; each note is in it too, a "Note:" row of its first table or
// the JSON's notes. None when the text holds no address.
std::optional<Report> ReportOf(std::string_view text, const ReportRequest& request);

// Reports on one text: the report on descriptor `out`, each note and a text without
// an address on `err`. Returns the exit status.
int ReportOne(std::string_view text, int out, int err, const ReportRequest& request);

// Reports every line read from descriptor `in`: text and HTML reports one blank line apart, JSON
// one object a line, in the lines' order. The lines are reported on by every core, a chunk at a
// time, and each chunk is written as soon as it and all before it are done; a chunk ends where no
// more input is at hand, and every report is written before the run waits for more, so a line typed
// at a terminal is answered at once. Blank lines and lines starting with "#" are skipped; a line
// without an address, and each note, is named on `err` with the line's number. Stops when `out` can
// no longer be written. Returns the exit status.
int ReportLines(int in, int out, int err, const ReportRequest& request);

// Reports on what was asked, on the program's standard streams: ReportOne or
// ReportLines. Returns the exit status.
int RunReports(const ReportsWanted& wanted);

// The complaint about a text without an address: `quorvane: no IPv4 address in "foo"`,
// with "line N: " before "no" for a line of a batch.
std::string NoAddressMessage(std::string_view text, std::optional<std::size_t> line = {});

// A note on standard error: `quorvane: 10.1.2.3/32: class A has no /32 mask; shown
// with /8`, with "line N: " before the text for a line of a batch.
std::string NoteMessage(std::string_view text, std::string_view note,
                        std::optional<std::size_t> line = {});

} // namespace quorvane
