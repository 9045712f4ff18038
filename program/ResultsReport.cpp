// SPDX-License-Identifier: MIT
#include "ResultsReport.h"

#include "AddressNumbers.h"
#include "AddressType.h"
#include "Classes.h"
#include "Classify.h"
#include "Counts.h"
#include "Format.h"
#include "HostList.h"
#include "MaskList.h"
#include "ValueLabels.h"

#include <charconv>
#include <cstdint>
#include <optional>

namespace quorvane {

namespace {

// The prefix length the window shows; none where it shows "N/A" (classes D, E).
std::optional<int> ShownPrefix(const std::string& text)
{
    int prefix = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, prefix);
    if (error != std::errc() || stop != end || prefix < kShortestPrefix || prefix > kLongestPrefix)
        return std::nullopt;
    return prefix;
}

std::string HostRange(std::uint32_t subnet, int prefix)
{
    const std::uint32_t broadcast = subnet | ~PrefixMask(prefix);
    // RFC 3021: both addresses of a /31 are hosts, the two ends of a link.
    if (prefix == kLongestPrefix)
        return DottedQuad(subnet) + " and " + DottedQuad(broadcast) + " (point-to-point, RFC 3021)";
    return DottedQuad(subnet + 1) + " to " + DottedQuad(broadcast - 1);
}

ReportTable AddressFacts(std::uint32_t address, std::int16_t netClass, std::optional<int> prefix)
{
    ReportTable table;
    const std::string dotted = DottedQuad(address);
    table.rows.push_back({"Address:", prefix ? dotted + "/" + FormatWhole(*prefix) : dotted});
    table.rows.push_back({"Class:", std::string(1, ClassRow(netClass).letter)});
    table.rows.push_back({"Type:", AddressType(address)});
    if (prefix) {
        const int p = *prefix;
        table.rows.push_back({"Mask:", std::string(MaskText(p)) + " (/" + FormatWhole(p) +
                                           "), wildcard " + DottedQuad(~PrefixMask(p))});
        table.rows.push_back({"Host range:", HostRange(address & PrefixMask(p), p)});
    }
    return table;
}

// The frames' captions and values, frame by frame in reading order.
std::vector<ReportTable> FrameTables(const Window& window)
{
    std::vector<ReportTable> tables;
    std::optional<Frame> frame;
    for (const ValueLabel& shown : kValueLabels) {
        if (shown.frame != frame) {
            frame = shown.frame;
            tables.push_back({std::string(FrameCaption(shown.frame)), {}, {}, {}});
        }
        tables.back().rows.push_back(
            {shown.captionLabel ? window.Caption(*shown.captionLabel) : std::string(shown.caption),
             window.Caption(shown.value)});
    }
    return tables;
}

// The list's lines as the calculator writes them ("k) subnet", padding, "  -  ",
// "first to last", padding, "  -  ", "broadcast", CRLF), cut into their columns.
std::vector<std::vector<std::string>> Columns(const std::string& list)
{
    constexpr std::string_view kBetween = "  -  ";
    std::vector<std::vector<std::string>> rows;
    for (std::size_t start = 0; start < list.size();) {
        const std::size_t end = std::min(list.find("\r\n", start), list.size());
        const std::string_view line(list.data() + start, end - start);
        std::vector<std::string> cells;
        for (std::size_t from = 0; from <= line.size();) {
            const std::size_t to = std::min(line.find(kBetween, from), line.size());
            std::string_view cell = line.substr(from, to - from);
            cell.remove_suffix(cell.size() - (cell.find_last_not_of(' ') + 1));
            cells.emplace_back(cell);
            from = to + kBetween.size();
        }
        rows.push_back(std::move(cells));
        start = end + 2;
    }
    return rows;
}

ReportTable HostListTable(std::uint32_t address, std::int16_t netClass, std::optional<int> prefix,
                          bool supernet)
{
    ReportTable table{"Hosts/Subnets List", {"Subnet", "Host Range", "Broadcast"}, {}, {}};
    if (netClass > net_class::kC) {
        table.note = "none: " + ClassName(netClass) + " is not subnetted";
    } else if (supernet) {
        table.note = "none in Supernet mode";
    } else if (prefix) {
        // As Calculate writes it: from the address's own subnet on.
        const Counts counts =
            CountsFor(*prefix, ClassfulHostBits(netClass), ClassfulPrefix(netClass), false);
        table.rows =
            Columns(HostList(address & PrefixMask(*prefix), counts.hostBits, counts.subnets));
        if (counts.subnets > static_cast<double>(table.rows.size()))
            table.note = FormatWhole(static_cast<double>(table.rows.size())) + " of " +
                         FormatWhole(counts.subnets) + " subnets listed";
    }
    if (table.rows.empty()) {
        table.headings.clear();
        if (table.note.empty()) table.note = "none: the network is not subnetted";
    }
    return table;
}

} // namespace

std::vector<ReportTable> ResultsReport(const Window& window)
{
    const std::optional<std::uint32_t> address = ShownAddress(window.Caption(Field::BinHost));
    if (!address) return {};
    const std::int16_t netClass = Classify(static_cast<std::int16_t>(*address >> 24)).netClass;
    const std::optional<int> prefix = ShownPrefix(window.Caption(Field::MaskBitsValue));

    std::vector<ReportTable> tables{AddressFacts(*address, netClass, prefix)};
    for (ReportTable& frame : FrameTables(window))
        tables.push_back(std::move(frame));
    tables.push_back(
        HostListTable(*address, netClass, prefix, window.OptionSelected(Field::Subsuper2)));
    return tables;
}

} // namespace quorvane
