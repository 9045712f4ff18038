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

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>

namespace quorvane {

namespace {

std::string HostRange(std::uint32_t subnet, int prefix)
{
    const UsableHosts hosts = UsableHostsOf(subnet, prefix);
    if (prefix == kLongestPrefix)
        return DottedQuad(hosts.first) + " and " + DottedQuad(hosts.last) +
               " (point-to-point, RFC 3021)";
    return DottedQuad(hosts.first) + " to " + DottedQuad(hosts.last);
}

// Every subnet counted, as CIDR counts them (RFC 1878), beside Max. Subnets, which
// leaves two out; in Supernet mode the networks the block joins.
std::string AllSubnets(std::int16_t netClass, int prefix, bool supernet)
{
    const Counts counts =
        CountsFor(prefix, ClassfulHostBits(netClass), ClassfulPrefix(netClass), supernet);
    const std::string count =
        FormatWhole(counts.allSubnets) + " = 2^" + FormatWhole(counts.subnetBits);
    if (supernet)
        return count + " " + ClassName(netClass) +
               (counts.allSubnets == 1 ? " network in the block" : " networks in the block");
    return count + ", subnet zero and the all-ones subnet counted (RFC 1878)";
}

ReportTable AddressFacts(std::uint32_t address, std::int16_t netClass, std::optional<int> prefix,
                         bool supernet)
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
        table.rows.push_back({"Subnets:", AllSubnets(netClass, p, supernet)});
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
                          bool supernet, int listLines)
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
        table.rows = Columns(HostList(address & PrefixMask(*prefix), counts.hostBits,
                                      std::min(counts.subnets, static_cast<double>(listLines))));
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

std::optional<int> ShownPrefix(const Window& window)
{
    const std::string text = window.Caption(Field::MaskBitsValue);
    int prefix = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, prefix);
    if (error != std::errc() || stop != end || prefix < kShortestPrefix || prefix > kLongestPrefix)
        return std::nullopt;
    return prefix;
}

UsableHosts UsableHostsOf(std::uint32_t subnet, int prefix)
{
    const std::uint32_t broadcast = subnet | ~PrefixMask(prefix);
    // RFC 3021: both addresses of a /31 are hosts, the two ends of a link.
    if (prefix == kLongestPrefix) return {subnet, broadcast};
    return {subnet + 1, broadcast - 1};
}

std::vector<ReportTable> ResultsReport(const Window& window, int listLines)
{
    std::optional<ReportTable> list = HostListReport(window, listLines);
    if (!list) return {};
    const std::uint32_t address = *ShownAddress(window.Caption(Field::BinHost));
    const std::int16_t netClass = Classify(static_cast<std::int16_t>(address >> 24)).netClass;
    std::vector<ReportTable> tables{AddressFacts(address, netClass, ShownPrefix(window),
                                                 window.OptionSelected(Field::Subsuper2))};
    for (ReportTable& frame : FrameTables(window))
        tables.push_back(std::move(frame));
    tables.push_back(std::move(*list));
    return tables;
}

std::optional<ReportTable> SummaryReport(const Window& window)
{
    const std::optional<std::uint32_t> address = ShownAddress(window.Caption(Field::BinHost));
    if (!address) return std::nullopt;
    const std::int16_t netClass = Classify(static_cast<std::int16_t>(*address >> 24)).netClass;
    ReportTable facts = AddressFacts(*address, netClass, ShownPrefix(window),
                                     window.OptionSelected(Field::Subsuper2));
    if (netClass > net_class::kC) {
        facts.rows.push_back(
            {"Mask:", "none: " + NotSubnettedAddress(netClass) + " is not subnetted"});
        return facts;
    }
    // The window's own figures in the facts' order; a figure it shows as N/A says
    // nothing the facts do not.
    const auto shown = [&window](Field field) -> std::vector<std::string> {
        for (const ValueLabel& label : kValueLabels) {
            if (label.value != field) continue;
            return {label.captionLabel ? window.Caption(*label.captionLabel)
                                       : std::string(label.caption),
                    window.Caption(field)};
        }
        return {};
    };
    ReportTable summary;
    for (std::vector<std::string>& row : facts.rows) {
        const bool hostRange = row.front() == "Host range:";
        const bool subnets = row.front() == "Subnets:";
        if (hostRange) {
            summary.rows.push_back(shown(Field::IPSubnet));
            summary.rows.push_back(shown(Field::IPBroadcast));
        }
        if (subnets) summary.rows.push_back(shown(Field::MaxSubnetsValue));
        summary.rows.push_back(std::move(row));
        if (hostRange) summary.rows.push_back(shown(Field::MaxHostsValue));
    }
    for (const Field field : {Field::TotalHostsValue, Field::PercVal})
        summary.rows.push_back(shown(field));
    std::erase_if(summary.rows, [](const std::vector<std::string>& row) {
        return row.size() != 2 || row[1] == kNotApplicable || row[1].empty();
    });
    return summary;
}

std::optional<ReportTable> HostListReport(const Window& window, int listLines)
{
    const std::optional<std::uint32_t> address = ShownAddress(window.Caption(Field::BinHost));
    if (!address) return std::nullopt;
    const std::int16_t netClass = Classify(static_cast<std::int16_t>(*address >> 24)).netClass;
    return HostListTable(*address, netClass, ShownPrefix(window),
                         window.OptionSelected(Field::Subsuper2), listLines);
}

} // namespace quorvane
