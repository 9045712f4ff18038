// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace quorvane {

struct Situation;

// How a value label's explanation is worked out.
using ExplainValue = std::string (*)(const Situation& now);

// The explanation of each value label, named by what the label shows: what the
// value is and how it is counted, with the current numbers where they help, and why
// it shows "N/A".
std::string ClassText(const Situation& now);
std::string NetworkPartText(const Situation& now);
std::string HostPartText(const Situation& now);
std::string DecimalText(const Situation& now);
std::string BinaryAddressText(const Situation& now);
std::string SubnetAddressText(const Situation& now);
std::string BroadcastText(const Situation& now);
std::string BinarySubnetText(const Situation& now);
std::string BinaryBroadcastText(const Situation& now);
std::string MaskBitsText(const Situation& now);
std::string SubnetBitsText(const Situation& now);
std::string HostBitsText(const Situation& now);
std::string MaxSubnetsText(const Situation& now);
std::string MaxHostsText(const Situation& now);
std::string TotalHostsText(const Situation& now);
std::string EfficiencyText(const Situation& now);
std::string BinaryMaskText(const Situation& now);

} // namespace quorvane
