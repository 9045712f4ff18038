// SPDX-License-Identifier: MIT
#pragma once

#include "ResultsReport.h"

#include <string>
#include <vector>

namespace quorvane {

// The report as an HTML fragment for mail and ticket editors: each table under its
// title as an HTML table, a caption or column heading in a header cell; one
// paragraph that says so before any address.
std::string ReportHtml(const std::vector<ReportTable>& tables);

} // namespace quorvane
