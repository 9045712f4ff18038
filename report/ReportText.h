// SPDX-License-Identifier: MIT
#pragma once

#include "ResultsReport.h"

#include <string>
#include <vector>

namespace quorvane {

// The report as plain text for a monospace font: each table under its title, its
// columns aligned, lines ending in "\n"; one line that says so before any address.
std::string ReportText(const std::vector<ReportTable>& tables);

} // namespace quorvane
