// SPDX-License-Identifier: MIT
#pragma once

#include "ResultsReport.h"

#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

// The report as plain text for a monospace font: each table under its title, its
// columns aligned, lines ending in "\n"; one line that says so before any address.
std::string ReportText(const std::vector<ReportTable>& tables);

// What a face says once the report is on the clipboard, with the plain text's count of
// lines: "Copied the results (36 lines) to the clipboard".
std::string CopiedSaying(std::string_view reportText);

} // namespace quorvane
