// SPDX-License-Identifier: MIT
#pragma once

#include "Fields.h"
#include "ValueExplanations.h"

#include <array>
#include <optional>
#include <string_view>

namespace quorvane {

// The frames that hold the value labels, from the top of the window down.
enum class Frame : std::uint8_t { IPInformation, SubnetInformation, BitsAndBobs, BinaryView };

// The caption a frame carries in its border line.
std::string_view FrameCaption(Frame frame);

// A value label of the window, with what stands before it and how it is read out.
struct ValueLabel {
    Field value;
    Frame frame;
    // The caption before the value; when it changes with the mode, it is read from
    // `captionLabel` instead.
    std::string_view caption;
    std::optional<Field> captionLabel;
    // What a screen reader calls the value, and in Supernet mode where the mode
    // changes what the value is.
    std::string_view spokenName;
    std::string_view spokenNameInSupernetMode;
    // What the value means now, for its tooltip and accessible description.
    ExplainValue explain;
};

// Every value label in reading order: frame by frame from the top of the window
// down (Bits + Bobs starts above Binary View), each row by row, left to right.
inline constexpr std::array<ValueLabel, 17> kValueLabels{{
    {Field::Class, Frame::IPInformation, "Network Class:", {}, "Network class", {}, ClassText},
    {Field::NetID, Frame::IPInformation, "Network ID:", {}, "Network ID", {}, NetworkPartText},
    {Field::DecIP, Frame::IPInformation, "Decimal IP:", {}, "Decimal address", {}, DecimalText},
    {Field::HostID, Frame::IPInformation, "Host ID:", {}, "Host ID", {}, HostPartText},
    {Field::IPSubnet,
     Frame::SubnetInformation,
     "Subnet:",
     {},
     "Subnet address",
     {},
     SubnetAddressText},
    {Field::IPBroadcast,
     Frame::SubnetInformation,
     "Broadcast:",
     {},
     "Broadcast address",
     {},
     BroadcastText},
    {Field::MaskBitsValue, Frame::BitsAndBobs, "Mask Bits:", {}, "Mask bits", {}, MaskBitsText},
    {Field::SubnetBitsValue,
     Frame::BitsAndBobs,
     {},
     Field::SubnetBitsLabel,
     "Subnet bits",
     "CIDR mask bits",
     SubnetBitsText},
    {Field::HostBitsValue, Frame::BitsAndBobs, "Host Bits:", {}, "Host bits", {}, HostBitsText},
    {Field::MaxSubnetsValue,
     Frame::BitsAndBobs,
     {},
     Field::MaxSubnetsLabel,
     "Maximum subnets",
     "Subnets per block",
     MaxSubnetsText},
    {Field::MaxHostsValue,
     Frame::BitsAndBobs,
     "Hosts/Subnet:",
     {},
     "Hosts per subnet",
     "Hosts per block",
     MaxHostsText},
    {Field::TotalHostsValue,
     Frame::BitsAndBobs,
     "Total Hosts:",
     {},
     "Total hosts",
     {},
     TotalHostsText},
    {Field::PercVal,
     Frame::BitsAndBobs,
     "Host Efficency:",
     {},
     "Host efficiency",
     {},
     EfficiencyText},
    {Field::BinHost, Frame::BinaryView, "Host:", {}, "Binary address", {}, BinaryAddressText},
    {Field::BinMask, Frame::BinaryView, "Mask:", {}, "Binary mask", {}, BinaryMaskText},
    {Field::BinSubnet,
     Frame::BinaryView,
     "Subnet:",
     {},
     "Binary subnet address",
     {},
     BinarySubnetText},
    {Field::BinBC,
     Frame::BinaryView,
     "Broadcast:",
     {},
     "Binary broadcast address",
     {},
     BinaryBroadcastText},
}};

// The row of a value label; none for any other field.
const ValueLabel* FindValueLabel(Field field);

} // namespace quorvane
