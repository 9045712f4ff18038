// SPDX-License-Identifier: MIT
#pragma once

#include "Fields.h"

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
};

// Every value label in reading order: frame by frame from the top of the window
// down (Bits + Bobs starts above Binary View), each row by row, left to right.
inline constexpr std::array<ValueLabel, 17> kValueLabels{{
    {Field::Class, Frame::IPInformation, "Network Class:", {}, "Network class", {}},
    {Field::NetID, Frame::IPInformation, "Network ID:", {}, "Network ID", {}},
    {Field::DecIP, Frame::IPInformation, "Decimal IP:", {}, "Decimal address", {}},
    {Field::HostID, Frame::IPInformation, "Host ID:", {}, "Host ID", {}},
    {Field::IPSubnet, Frame::SubnetInformation, "Subnet:", {}, "Subnet address", {}},
    {Field::IPBroadcast, Frame::SubnetInformation, "Broadcast:", {}, "Broadcast address", {}},
    {Field::MaskBitsValue, Frame::BitsAndBobs, "Mask Bits:", {}, "Mask bits", {}},
    {Field::SubnetBitsValue,
     Frame::BitsAndBobs,
     {},
     Field::SubnetBitsLabel,
     "Subnet bits",
     "CIDR mask bits"},
    {Field::HostBitsValue, Frame::BitsAndBobs, "Host Bits:", {}, "Host bits", {}},
    {Field::MaxSubnetsValue,
     Frame::BitsAndBobs,
     {},
     Field::MaxSubnetsLabel,
     "Maximum subnets",
     "Subnets per block"},
    {Field::MaxHostsValue,
     Frame::BitsAndBobs,
     "Hosts/Subnet:",
     {},
     "Hosts per subnet",
     "Hosts per block"},
    {Field::TotalHostsValue, Frame::BitsAndBobs, "Total Hosts:", {}, "Total hosts", {}},
    {Field::PercVal, Frame::BitsAndBobs, "Host Efficency:", {}, "Host efficiency", {}},
    {Field::BinHost, Frame::BinaryView, "Host:", {}, "Binary address", {}},
    {Field::BinMask, Frame::BinaryView, "Mask:", {}, "Binary mask", {}},
    {Field::BinSubnet, Frame::BinaryView, "Subnet:", {}, "Binary subnet address", {}},
    {Field::BinBC, Frame::BinaryView, "Broadcast:", {}, "Binary broadcast address", {}},
}};

// The row of a value label; none for any other field.
const ValueLabel* FindValueLabel(Field field);

} // namespace quorvane
