// SPDX-License-Identifier: MIT
#include "ReportFormats.h"

#include "ReportHtml.h"
#include "ReportJson.h"
#include "ReportText.h"

namespace quorvane {

std::string WriteText(const ReportContent& content)
{
    return ReportText(content.tables());
}

std::string WriteHtml(const ReportContent& content)
{
    return ReportHtml(content.tables());
}

std::string WriteJson(const ReportContent& content)
{
    return ReportJson(content.window, content.list, content.input, content.notes) + "\n";
}

const ReportFormat* FormatNamed(std::string_view name)
{
    for (const ReportFormat& format : kReportFormats) {
        if (format.name == name) return &format;
    }
    return nullptr;
}

} // namespace quorvane
