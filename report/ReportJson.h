// SPDX-License-Identifier: MIT
#pragma once

#include "ResultsReport.h"
#include "Window.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

// The results for scripts: one JSON object on one line, with stable snake_case
// keys: the input as given, the notes on what of it was not taken as written (an
// array of sentences, empty when all was), then address, prefix, mask, wildcard, class, type,
// network_id, host_id, decimal, subnet, broadcast, first_host, last_host,
// mask_bits, subnet_bits, host_bits, max_subnets, cidr_subnets, hosts_per_subnet,
// total_hosts, host_efficiency, mode, binary_host, binary_mask, binary_subnet,
// binary_broadcast and the list as [{subnet, first_host, last_host, broadcast}].
// Every value is what the window shows (its captions, and the report built from
// them); a value it shows as "N/A" is null, and a count is a number.
// `list` is the report's Hosts/Subnets list (HostListReport); without one, the
// object has no list key. Only input and address before any address.
std::string ReportJson(const Window& window, const std::optional<ReportTable>& list,
                       std::string_view input, const std::vector<std::string>& notes);

} // namespace quorvane
