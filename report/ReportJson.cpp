// SPDX-License-Identifier: MIT
#include "ReportJson.h"

#include "AddressNumbers.h"
#include "AddressType.h"
#include "Classes.h"
#include "Classify.h"
#include "Counts.h"
#include "MaskList.h"

#include "JsonText.h"

#include <cstdint>

namespace quorvane {

namespace {

// One JSON object written key by key, in the order the keys are documented. Values
// are text, whole numbers, a number of percent, null, or arrays of those.
class JsonObject {
public:
    JsonObject()
    {
        out_.reserve(1024);
        out_ = "{";
    }

    void Text(std::string_view key, std::string_view text)
    {
        Key(key);
        AppendJsonText(out_, text);
    }
    // What a label shows, as text; null where it shows "N/A".
    void Shown(std::string_view key, const std::string& shown)
    {
        if (shown == kNotApplicable) return Null(key);
        Text(key, shown);
    }
    void Number(std::string_view key, std::uint64_t value)
    {
        Key(key);
        out_ += std::to_string(value);
    }
    // A count the window shows in plain digits, as a number; null for anything else.
    void Count(std::string_view key, const std::string& shown)
    {
        if (shown.empty() || shown.size() > 19 ||
            shown.find_first_not_of("0123456789") != std::string::npos)
            return Null(key);
        Key(key);
        out_ += shown;
    }
    // The efficiency as a number of percent: "48.8%" (or "48,8%") is 48.8, "100%" is
    // 100.0. The window writes it in its shortest form, which is the number's too.
    void Percent(std::string_view key, std::string shown, const std::string& decimalPoint)
    {
        if (!shown.ends_with('%')) return Null(key);
        shown.pop_back();
        const std::size_t point = shown.find(decimalPoint);
        if (point != std::string::npos) shown.replace(point, decimalPoint.size(), ".");
        if (shown.empty() || shown.find_first_not_of("0123456789.") != std::string::npos)
            return Null(key);
        Key(key);
        out_ += point == std::string::npos ? shown + ".0" : shown;
    }
    void Null(std::string_view key)
    {
        Key(key);
        out_ += "null";
    }
    void Texts(std::string_view key, const std::vector<std::string>& texts)
    {
        Key(key);
        out_ += '[';
        for (std::size_t i = 0; i < texts.size(); ++i) {
            if (i > 0) out_ += ',';
            AppendJsonText(out_, texts[i]);
        }
        out_ += ']';
    }
    void Objects(std::string_view key, const std::vector<JsonObject>& objects)
    {
        Key(key);
        out_ += '[';
        for (std::size_t i = 0; i < objects.size(); ++i) {
            if (i > 0) out_ += ',';
            out_ += objects[i].Done();
        }
        out_ += ']';
    }
    std::string Done() const { return out_ + "}"; }

private:
    void Key(std::string_view key)
    {
        if (out_.size() > 1) out_ += ',';
        AppendJsonText(out_, key);
        out_ += ':';
    }
    std::string out_;
};

// The list table's rows ("k) subnet", "first to last", "broadcast") as objects. The
// hosts of a /31 are its two addresses in order, as first_host and last_host give
// them for the address's own subnet; the list's line writes the calculator's range.
std::vector<JsonObject> ListLines(const ReportTable& list, std::optional<int> prefix)
{
    std::vector<JsonObject> lines;
    for (const std::vector<std::string>& row : list.rows) {
        if (row.size() != 3) continue;
        const std::string subnet = row[0].substr(row[0].find(' ') + 1);
        const std::string& range = row[1];
        const std::size_t to = range.find(" to ");
        const bool pair = prefix == kLongestPrefix;
        JsonObject& line = lines.emplace_back();
        line.Text("subnet", subnet);
        line.Text("first_host", pair ? subnet : range.substr(0, to));
        line.Text("last_host", pair ? row[2] : to == std::string::npos ? "" : range.substr(to + 4));
        line.Text("broadcast", row[2]);
    }
    return lines;
}

} // namespace

std::string ReportJson(const Window& window, const std::optional<ReportTable>& list,
                       std::string_view input, const std::vector<std::string>& notes)
{
    const std::optional<std::uint32_t> address = ShownAddress(window.Caption(Field::BinHost));
    JsonObject out;
    out.Text("input", input);
    out.Texts("notes", notes);
    if (!address) {
        out.Null("address");
        return out.Done();
    }
    out.Text("address", DottedQuad(*address));

    const std::int16_t netClass = Classify(static_cast<std::int16_t>(*address >> 24)).netClass;
    const std::optional<int> prefix = ShownPrefix(window);
    const bool supernet = window.OptionSelected(Field::Subsuper2);
    const std::optional<std::uint32_t> subnet = ShownAddress(window.Caption(Field::BinSubnet));
    if (prefix) {
        out.Number("prefix", static_cast<std::uint64_t>(*prefix));
        out.Text("mask", window.ListSelected());
        out.Text("wildcard", DottedQuad(~PrefixMask(*prefix)));
    } else {
        for (const char* key : {"prefix", "mask", "wildcard"})
            out.Null(key);
    }
    out.Text("class", std::string(1, ClassRow(netClass).letter));
    out.Text("type", AddressType(*address));
    out.Shown("network_id", window.Caption(Field::NetID));
    out.Shown("host_id", window.Caption(Field::HostID));
    out.Count("decimal", window.Caption(Field::DecIP));
    out.Shown("subnet", window.Caption(Field::IPSubnet));
    out.Shown("broadcast", window.Caption(Field::IPBroadcast));
    if (prefix && subnet) {
        const UsableHosts hosts = UsableHostsOf(*subnet, *prefix);
        out.Text("first_host", DottedQuad(hosts.first));
        out.Text("last_host", DottedQuad(hosts.last));
    } else {
        out.Null("first_host");
        out.Null("last_host");
    }
    out.Count("mask_bits", window.Caption(Field::MaskBitsValue));
    out.Count("subnet_bits", window.Caption(Field::SubnetBitsValue));
    out.Count("host_bits", window.Caption(Field::HostBitsValue));
    out.Count("max_subnets", window.Caption(Field::MaxSubnetsValue));
    if (prefix && subnet) {
        const Counts counts =
            CountsFor(*prefix, ClassfulHostBits(netClass), ClassfulPrefix(netClass), supernet);
        out.Number("cidr_subnets", static_cast<std::uint64_t>(counts.allSubnets));
    } else {
        out.Null("cidr_subnets");
    }
    out.Count("hosts_per_subnet", window.Caption(Field::MaxHostsValue));
    out.Count("total_hosts", window.Caption(Field::TotalHostsValue));
    out.Percent("host_efficiency", window.Caption(Field::PercVal), window.DecimalPoint());
    out.Text("mode", supernet ? "supernet" : "subnet");
    out.Shown("binary_host", window.Caption(Field::BinHost));
    out.Shown("binary_mask", window.Caption(Field::BinMask));
    out.Shown("binary_subnet", window.Caption(Field::BinSubnet));
    out.Shown("binary_broadcast", window.Caption(Field::BinBC));
    if (list) out.Objects("list", ListLines(*list, prefix));
    return out.Done();
}

} // namespace quorvane
