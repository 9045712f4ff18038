// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quorvane {

// Every window field the calculator reads or writes. Fixed captions, frames and
// headings are not here: nothing touches them after the window is built.
enum class Field : std::uint8_t {
    IP_Part1,
    IP_Part2,
    IP_Part3,
    IP_Part4,
    Class,
    NetID,
    HostID,
    DecIP,
    BinHost,
    SubnetList,
    Subsuper1,
    Subsuper2,
    SubnetBitsLabel,
    MaxSubnetsLabel,
    HostBitsValue,
    SubnetBitsValue,
    MaskBitsValue,
    MaxSubnetsValue,
    MaxHostsValue,
    TotalHostsValue,
    PercVal,
    BinMask,
    BinSubnet,
    BinBC,
    IPSubnet,
    IPBroadcast,
    AccessListBox,
};

enum class FieldKind : std::uint8_t {
    Label,     // caption only
    TextBox,   // single line, raises a change event
    MultiLine, // the Hosts/Subnets list box; raises nothing
    DropDown,  // the mask list
    Option,    // one of the two mode options
};

struct FieldInfo {
    Field field;
    std::string_view name;
    FieldKind kind;
};

inline constexpr std::array<FieldInfo, 27> kFieldCatalogue{{
    {Field::IP_Part1, "IP_Part1", FieldKind::TextBox},
    {Field::IP_Part2, "IP_Part2", FieldKind::TextBox},
    {Field::IP_Part3, "IP_Part3", FieldKind::TextBox},
    {Field::IP_Part4, "IP_Part4", FieldKind::TextBox},
    {Field::Class, "Class", FieldKind::Label},
    {Field::NetID, "NetID", FieldKind::Label},
    {Field::HostID, "HostID", FieldKind::Label},
    {Field::DecIP, "DecIP", FieldKind::Label},
    {Field::BinHost, "BinHost", FieldKind::Label},
    {Field::SubnetList, "SubnetList", FieldKind::DropDown},
    {Field::Subsuper1, "Subsuper1", FieldKind::Option},
    {Field::Subsuper2, "Subsuper2", FieldKind::Option},
    {Field::SubnetBitsLabel, "SubnetBitsLabel", FieldKind::Label},
    {Field::MaxSubnetsLabel, "MaxSubnetsLabel", FieldKind::Label},
    {Field::HostBitsValue, "HostBitsValue", FieldKind::Label},
    {Field::SubnetBitsValue, "SubnetBitsValue", FieldKind::Label},
    {Field::MaskBitsValue, "MaskBitsValue", FieldKind::Label},
    {Field::MaxSubnetsValue, "MaxSubnetsValue", FieldKind::Label},
    {Field::MaxHostsValue, "MaxHostsValue", FieldKind::Label},
    {Field::TotalHostsValue, "TotalHostsValue", FieldKind::Label},
    {Field::PercVal, "PercVal", FieldKind::Label},
    {Field::BinMask, "BinMask", FieldKind::Label},
    {Field::BinSubnet, "BinSubnet", FieldKind::Label},
    {Field::BinBC, "BinBC", FieldKind::Label},
    {Field::IPSubnet, "IPSubnet", FieldKind::Label},
    {Field::IPBroadcast, "IPBroadcast", FieldKind::Label},
    {Field::AccessListBox, "AccessListBox", FieldKind::MultiLine},
}};

constexpr const FieldInfo& InfoOf(Field field) noexcept
{
    return kFieldCatalogue[static_cast<std::size_t>(field)];
}

constexpr std::string_view NameOf(Field field) noexcept
{
    return InfoOf(field).name;
}

// The text of a field whose value does not apply, and the one mask list entry
// when no mask does (multicast and experimental addresses).
inline constexpr std::string_view kNotApplicable = "N/A";

// The four octet boxes in box order, so callers can index them by octet number.
inline constexpr std::array<Field, 4> kOctetBoxes{Field::IP_Part1, Field::IP_Part2, Field::IP_Part3,
                                                  Field::IP_Part4};

// How the calculator reaches the window. Setting a box's text and selecting a
// list entry by text raise that field's event before the call returns; nothing
// else raises anything.
class Fields {
public:
    virtual ~Fields() = default;

    virtual void SetCaption(Field label, std::string_view caption) = 0;
    virtual std::string Caption(Field label) const = 0;

    virtual std::string Text(Field box) const = 0;
    virtual void SetText(Field box, std::string_view text) = 0;

    virtual void ListClear() = 0;
    virtual void ListAdd(std::string_view entry) = 0;
    virtual std::string ListSelected() const = 0;
    virtual void ListSelect(std::string_view entry) = 0;

    // Whether anybody sees the Hosts/Subnets list box. A window without a screen that
    // reports the list worked out from the labels (the command line's) does not, and
    // spares each calculation building up to 300 lines for it: the box stays empty.
    virtual bool ShowsHostList() const { return true; }
};

} // namespace quorvane
