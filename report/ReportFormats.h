// SPDX-License-Identifier: MIT
#pragma once

#include "ResultsReport.h"
#include "Window.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

// What a report is written from: the window the address was entered into, and the
// tables a person reads, laid out already.
struct ReportContent {
    const Window& window;
    // The text as given, and what of it was not taken as written.
    std::string_view input;
    std::vector<std::string> notes;
    // What text and HTML lay out, the notes among them; worked out only for them.
    std::function<std::vector<ReportTable>()> tables;
    // The Hosts/Subnets list, for a format that gives it apart (JSON); none when it
    // was not asked for.
    std::optional<ReportTable> list;
};

// A report format: its name on the command line, its writer, and what stands
// between two reports of a batch.
struct ReportFormat {
    std::string_view name;
    std::string (*write)(const ReportContent& content);
    std::string_view between;
};

std::string WriteText(const ReportContent& content);
std::string WriteHtml(const ReportContent& content);
std::string WriteJson(const ReportContent& content);

// Every format, the default first. A new format is a row here and its writer.
inline constexpr std::array<ReportFormat, 3> kReportFormats{{
    {"text", WriteText, "\n"}, // blocks of lines, a blank line apart
    {"html", WriteHtml, "\n"},
    {"json", WriteJson, ""}, // an object a line (JSON Lines)
}};

// The format of that name; none for another name.
const ReportFormat* FormatNamed(std::string_view name);

} // namespace quorvane
