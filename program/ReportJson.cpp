// SPDX-License-Identifier: MIT
#include "ReportJson.h"

#include "AddressNumbers.h"
#include "AddressType.h"
#include "Classes.h"
#include "Classify.h"
#include "Counts.h"
#include "MaskList.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <cstdint>

namespace quorvane {

namespace {

// The keys in the order they are documented, whatever the library's own order.
using Json = nlohmann::ordered_json;

// What a label shows; null where it shows "N/A".
Json Shown(const Window& window, Field field)
{
    std::string text = window.Caption(field);
    if (text == kNotApplicable) return nullptr;
    return text;
}

// A count the window shows in plain digits, as a number.
Json Count(const Window& window, Field field)
{
    const std::string text = window.Caption(field);
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end) return nullptr;
    return value;
}

// The efficiency as a number of percent: "48.8%" (or "48,8%") is 48.8.
Json Percent(const Window& window)
{
    std::string text = window.Caption(Field::PercVal);
    if (!text.ends_with('%')) return nullptr;
    text.pop_back();
    if (const std::string point = window.DecimalPoint(); point != ".") {
        if (const std::size_t at = text.find(point); at != std::string::npos)
            text = text.substr(0, at) + '.' + text.substr(at + point.size());
    }
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end) return nullptr;
    return value;
}

Json Quad(std::optional<std::uint32_t> address)
{
    return address ? Json(DottedQuad(*address)) : Json(nullptr);
}

// The list table's rows ("k) subnet", "first to last", "broadcast") as objects. The
// hosts of a /31 are its two addresses in order, as first_host and last_host give
// them for the address's own subnet; the list's line writes the calculator's range.
Json ListLines(const ReportTable& list, std::optional<int> prefix)
{
    Json lines = Json::array();
    for (const std::vector<std::string>& row : list.rows) {
        if (row.size() != 3) continue;
        const std::string subnet = row[0].substr(row[0].find(' ') + 1);
        const std::string& range = row[1];
        const std::size_t to = range.find(" to ");
        const bool pair = prefix == kLongestPrefix;
        lines.push_back({{"subnet", subnet},
                         {"first_host", pair ? subnet : range.substr(0, to)},
                         {"last_host", pair                      ? row[2]
                                       : to == std::string::npos ? ""
                                                                 : range.substr(to + 4)},
                         {"broadcast", row[2]}});
    }
    return lines;
}

} // namespace

std::string ReportJson(const Window& window, const std::optional<ReportTable>& list,
                       std::string_view input, const std::vector<std::string>& notes)
{
    const std::optional<std::uint32_t> address = ShownAddress(window.Caption(Field::BinHost));
    Json out = Json::object();
    // Room for every key at once: the object keeps its keys in a vector.
    out.get_ref<Json::object_t&>().reserve(33);
    out["input"] = std::string(input);
    out["notes"] = notes;
    out["address"] = Quad(address);
    if (!address || !list) return out.dump();

    const std::int16_t netClass = Classify(static_cast<std::int16_t>(*address >> 24)).netClass;
    const std::optional<int> prefix = ShownPrefix(window);
    const bool supernet = window.OptionSelected(Field::Subsuper2);
    const std::optional<std::uint32_t> subnet = ShownAddress(window.Caption(Field::BinSubnet));
    std::optional<UsableHosts> hosts;
    std::optional<Counts> counts;
    if (prefix && subnet) {
        hosts = UsableHostsOf(*subnet, *prefix);
        counts = CountsFor(*prefix, ClassfulHostBits(netClass), ClassfulPrefix(netClass), supernet);
    }
    const std::string mask = window.ListSelected();

    out["prefix"] = prefix ? Json(*prefix) : Json(nullptr);
    out["mask"] = prefix ? Json(mask) : Json(nullptr);
    out["wildcard"] = prefix ? Quad(~PrefixMask(*prefix)) : Json(nullptr);
    out["class"] = std::string(1, ClassRow(netClass).letter);
    out["type"] = AddressType(*address);
    out["network_id"] = Shown(window, Field::NetID);
    out["host_id"] = Shown(window, Field::HostID);
    out["decimal"] = Count(window, Field::DecIP);
    out["subnet"] = Shown(window, Field::IPSubnet);
    out["broadcast"] = Shown(window, Field::IPBroadcast);
    out["first_host"] = hosts ? Quad(hosts->first) : Json(nullptr);
    out["last_host"] = hosts ? Quad(hosts->last) : Json(nullptr);
    out["mask_bits"] = Count(window, Field::MaskBitsValue);
    out["subnet_bits"] = Count(window, Field::SubnetBitsValue);
    out["host_bits"] = Count(window, Field::HostBitsValue);
    out["max_subnets"] = Count(window, Field::MaxSubnetsValue);
    out["cidr_subnets"] = counts ? Json(static_cast<std::uint64_t>(counts->allSubnets)) : nullptr;
    out["hosts_per_subnet"] = Count(window, Field::MaxHostsValue);
    out["total_hosts"] = Count(window, Field::TotalHostsValue);
    out["host_efficiency"] = Percent(window);
    out["mode"] = supernet ? "supernet" : "subnet";
    out["binary_host"] = Shown(window, Field::BinHost);
    out["binary_mask"] = Shown(window, Field::BinMask);
    out["binary_subnet"] = Shown(window, Field::BinSubnet);
    out["binary_broadcast"] = Shown(window, Field::BinBC);
    out["list"] = ListLines(*list, prefix);
    return out.dump();
}

} // namespace quorvane
