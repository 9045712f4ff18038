// SPDX-License-Identifier: MIT
#include "CommandLineRun.h"

#include "AddressInText.h"
#include "FieldModel.h"
#include "Program.h"
#include "ReportHtml.h"
#include "ReportJson.h"
#include "ReportText.h"
#include "ResultsReport.h"

#include <istream>
#include <ostream>

namespace quorvane {

std::optional<std::string> ReportOf(std::string_view text, const ReportRequest& request)
{
    // A text without an address would go into the box as any pasted text does.
    if (!FindAddress(text)) return std::nullopt;
    FieldModel window;
    const Program program(window);
    if (request.supernet) window.Click(Field::Subsuper2);
    window.Paste(Field::IP_Part4, text);

    const std::vector<ReportTable> report = ResultsReport(window, request.listLines);
    switch (request.format) {
    case ReportFormat::Html: return ReportHtml(report);
    case ReportFormat::Json: return ReportJson(window, report, text) + "\n";
    case ReportFormat::Text: break;
    }
    return ReportText(report);
}

std::string NoAddressMessage(std::string_view text, std::optional<std::size_t> line)
{
    std::string message = "quorvane: ";
    if (line) message += "line " + std::to_string(*line) + ": ";
    return message + "no IPv4 address in \"" + std::string(text) + "\"\n";
}

int ReportLines(std::istream& in, std::ostream& out, std::ostream& err,
                const ReportRequest& request)
{
    int status = 0;
    bool first = true;
    std::string line;
    for (std::size_t number = 1; out && std::getline(in, line); ++number) {
        if (line.ends_with('\r')) line.pop_back();
        const std::size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line[start] == '#') continue;
        const std::optional<std::string> report = ReportOf(line, request);
        if (!report) {
            err << NoAddressMessage(line, number) << std::flush;
            status = 1;
            continue;
        }
        // Text and HTML reports are blocks of lines: one blank line between two.
        if (!first && request.format != ReportFormat::Json) out << '\n';
        first = false;
        out << *report << std::flush;
    }
    return status;
}

} // namespace quorvane
