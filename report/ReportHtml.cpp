// SPDX-License-Identifier: MIT
#include "ReportHtml.h"

#include <string_view>

namespace quorvane {

namespace {

std::string Escaped(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        default: out += c; break;
        }
    }
    return out;
}

void AppendCell(std::string& out, std::string_view tag, std::string_view text)
{
    out += '<';
    out += tag;
    out += tag == "th" ? " align=\"left\">" : ">";
    out += Escaped(text);
    out += "</";
    out += tag;
    out += '>';
}

void AppendTable(std::string& out, const ReportTable& table)
{
    if (!table.title.empty()) out += "<h3>" + Escaped(table.title) + "</h3>\n";
    if (!table.headings.empty() || !table.rows.empty()) {
        out += "<table>\n";
        if (!table.headings.empty()) {
            out += "<tr>";
            for (const std::string& heading : table.headings)
                AppendCell(out, "th", heading);
            out += "</tr>\n";
        }
        // Without column headings, the first cell of a row is its caption.
        const bool captioned = table.headings.empty();
        for (const auto& row : table.rows) {
            out += "<tr>";
            for (std::size_t i = 0; i < row.size(); ++i)
                AppendCell(out, captioned && i == 0 ? "th" : "td", row[i]);
            out += "</tr>\n";
        }
        out += "</table>\n";
    }
    if (!table.note.empty()) out += "<p>(" + Escaped(table.note) + ")</p>\n";
}

} // namespace

std::string ReportHtml(const std::vector<ReportTable>& tables)
{
    // Editors that take the fragment as it is read it as UTF-8 only when told.
    std::string out = "<meta charset=\"utf-8\">\n";
    if (tables.empty()) out += "<p>" + Escaped(kNoAddressYet) + "</p>\n";
    for (const ReportTable& table : tables)
        AppendTable(out, table);
    return out;
}

} // namespace quorvane
