// SPDX-License-Identifier: MIT
#include "MaskList.h"

#include "Things.h"

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

    const auto appendRange = [this](int from, int to) {
        const int step = from <= to ? 1 : -1;
        for (int prefix = from;; prefix += step) {
            fields_.ListAdd(MaskText(prefix));
            if (prefix == to) break;
        }
    };
    if (SubSuperMode == mode::kSupernet) {
        if (NetClass > net_class::kB) appendRange(24, 17);
        if (NetClass > net_class::kA) appendRange(16, 9);
        appendRange(8, 2);
    } else {
        if (NetClass < net_class::kB) appendRange(8, 15);
        if (NetClass < net_class::kC) appendRange(16, 23);
        appendRange(24, 31);
    }

    // Selecting raises the list's click event, which sets the class's default prefix.
    switch (NetClass) {
    case net_class::kA: fields_.ListSelect(MaskText(8)); break;
    case net_class::kB: fields_.ListSelect(MaskText(16)); break;
    case net_class::kC: fields_.ListSelect(MaskText(24)); break;
    default: break; // no address yet: nothing to default to
    }
}

} // namespace quorvane
