// SPDX-License-Identifier: MIT
#include "ResultsReport.h"

#include "BitStrings.h"
#include "ValueLabels.h"

#include <algorithm>
#include <string_view>

namespace quorvane {

namespace {

void AppendLine(std::string& out, std::string_view caption, std::string_view value)
{
    out += caption;
    if (!value.empty()) {
        out += ' ';
        out += value;
    }
    out += '\n';
}

// The dotted address that a spaced bit string shows; empty when it shows none.
std::string DottedFromBits(const std::string& bits)
{
    constexpr std::size_t kSpacedLength = 35;
    return bits.size() == kSpacedLength ? DottedFromSpaced(bits) : std::string();
}

bool IsNumber(std::string_view text)
{
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

std::string ResultsReport(const Window& window)
{
    std::string out;
    std::string address = DottedFromBits(window.Caption(Field::BinHost));
    const std::string prefix = window.Caption(Field::MaskBitsValue);
    if (!address.empty() && IsNumber(prefix)) address += "/" + prefix;
    AppendLine(out, "IP address:", address);
    AppendLine(out, "Subnet mask:", window.ListSelected());

    for (const ValueLabel& shown : kValueLabels) {
        const std::string caption =
            shown.captionLabel ? window.Caption(*shown.captionLabel) : std::string(shown.caption);
        AppendLine(out, caption, window.Caption(shown.value));
    }

    // The list box ends every line in CRLF.
    const std::string list = window.Text(Field::AccessListBox);
    for (std::size_t start = 0; start < list.size();) {
        const std::size_t end = std::min(list.find("\r\n", start), list.size());
        out.append(list, start, end - start);
        out += '\n';
        start = end + 2;
    }
    return out;
}

} // namespace quorvane
