// SPDX-License-Identifier: MIT
#include "ReportText.h"

#include <algorithm>
#include <string_view>

namespace quorvane {

namespace {

// Every column but the last padded to its widest cell, then two spaces. Only a
// last column holds other than ASCII (the efficiency's decimal separator), so a
// byte is a column.
void AppendAligned(std::string& out, std::string_view indent,
                   const std::vector<std::vector<std::string>>& rows)
{
    std::vector<std::size_t> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (std::size_t i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], row[i].size());
    }
    for (const auto& row : rows) {
        std::string line(indent);
        for (std::size_t i = 0; i < row.size(); ++i) {
            line += row[i];
            if (i + 1 < row.size()) line.append(widths[i] + 2 - row[i].size(), ' ');
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out += line;
        out += '\n';
    }
}

} // namespace

std::string ReportText(const std::vector<ReportTable>& tables)
{
    if (tables.empty()) return std::string(kNoAddressYet) + "\n";
    std::string out;
    for (const ReportTable& table : tables) {
        if (!out.empty()) out += '\n';
        std::string_view indent;
        if (!table.title.empty()) {
            out += table.title + "\n";
            indent = "  ";
        }
        std::vector<std::vector<std::string>> rows;
        if (!table.headings.empty()) rows.push_back(table.headings);
        rows.insert(rows.end(), table.rows.begin(), table.rows.end());
        AppendAligned(out, indent, rows);
        if (!table.note.empty()) out += std::string(indent) + "(" + table.note + ")\n";
    }
    return out;
}

std::string CopiedSaying(std::string_view reportText)
{
    const auto lines = std::count(reportText.begin(), reportText.end(), '\n');
    return "Copied the results (" + std::to_string(lines) + (lines == 1 ? " line" : " lines") +
           ") to the clipboard";
}

} // namespace quorvane
