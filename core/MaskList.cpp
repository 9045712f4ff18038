// SPDX-License-Identifier: MIT
#include "MaskList.h"

#include "Things.h"

#include <algorithm>
#include <array>

namespace quorvane {

namespace {

constexpr std::array<std::string_view, 30> kMaskTable{
    "192.0.0.0",       "224.0.0.0",       "240.0.0.0",       "248.0.0.0",       "252.0.0.0",
    "254.0.0.0",       "255.0.0.0",       "255.128.0.0",     "255.192.0.0",     "255.224.0.0",
    "255.240.0.0",     "255.248.0.0",     "255.252.0.0",     "255.254.0.0",     "255.255.0.0",
    "255.255.128.0",   "255.255.192.0",   "255.255.224.0",   "255.255.240.0",   "255.255.248.0",
    "255.255.252.0",   "255.255.254.0",   "255.255.255.0",   "255.255.255.128", "255.255.255.192",
    "255.255.255.224", "255.255.255.240", "255.255.255.248", "255.255.255.252", "255.255.255.254",
};

} // namespace

std::string_view MaskText(int prefix)
{
    return kMaskTable[static_cast<std::size_t>(prefix - kShortestPrefix)];
}

std::optional<std::int16_t> PrefixForMask(std::string_view text)
{
    for (std::size_t i = 0; i < kMaskTable.size(); ++i) {
        if (kMaskTable[i] == text) return static_cast<std::int16_t>(i + kShortestPrefix);
    }
    return std::nullopt;
}

void Things::FillMaskList()
{
    fields_.ListClear();
    if (NetClass > net_class::kC) {
        fields_.ListAdd(kNotApplicable);
        fields_.ListSelect(kNotApplicable);
        return;
    }

    // From the class's own mask, the first entry, down to the shortest prefix
    // (Supernet) or up to the longest (Subnet). No address yet lists as class A.
    const int classful = ClassfulPrefix(std::max(NetClass, net_class::kA));
    if (SubSuperMode == mode::kSupernet) {
        for (int prefix = classful; prefix >= kShortestPrefix; --prefix)
            fields_.ListAdd(MaskText(prefix));
    } else {
        for (int prefix = classful; prefix <= kLongestPrefix; ++prefix)
            fields_.ListAdd(MaskText(prefix));
    }

    // Selecting raises the list's click event, which sets the class's default
    // prefix; with no address yet there is nothing to default to.
    if (NetClass != net_class::kNone) fields_.ListSelect(MaskText(classful));
}

} // namespace quorvane
