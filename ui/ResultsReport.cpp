// SPDX-License-Identifier: MIT
#include "ResultsReport.h"

#include "BitStrings.h"
#include "Format.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace quorvane {

namespace {

// A value with the caption that stands before it in the window; the captions that
// change with the mode are read from their labels.
struct Shown {
    Field value;
    std::string_view caption;
    std::optional<Field> captionLabel = std::nullopt;
};

// Frames from the top of the window down (Bits + Bobs starts above Binary View),
// each row by row, left to right.
constexpr std::array<Shown, 17> kShown{{
    {Field::Class, "Network Class:"},
    {Field::NetID, "Network ID:"},
    {Field::DecIP, "Decimal IP:"},
    {Field::HostID, "Host ID:"},
    {Field::IPSubnet, "Subnet:"},
    {Field::IPBroadcast, "Broadcast:"},
    {Field::MaskBitsValue, "Mask Bits:"},
    {Field::SubnetBitsValue, {}, Field::SubnetBitsLabel},
    {Field::HostBitsValue, "Host Bits:"},
    {Field::MaxSubnetsValue, {}, Field::MaxSubnetsLabel},
    {Field::MaxHostsValue, "Hosts/Subnet:"},
    {Field::TotalHostsValue, "Total Hosts:"},
    {Field::PercVal, "Host Efficency:"},
    {Field::BinHost, "Host:"},
    {Field::BinMask, "Mask:"},
    {Field::BinSubnet, "Subnet:"},
    {Field::BinBC, "Broadcast:"},
}};

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
    if (bits.size() != kSpacedLength) return {};
    std::string dotted;
    for (std::size_t group = 0; group < 4; ++group) {
        if (group > 0) dotted += '.';
        dotted += FormatWhole(BitsToNumber(bits.substr(9 * group, 8)));
    }
    return dotted;
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

    for (const Shown& shown : kShown) {
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
