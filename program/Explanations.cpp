// SPDX-License-Identifier: MIT
#include "Explanations.h"

#include "AddressNumbers.h"
#include "Classes.h"
#include "Counts.h"
#include "Format.h"
#include "HostList.h"
#include "MaskList.h"
#include "Situation.h"
#include "ValueLabels.h"

#include <algorithm>
#include <array>

namespace quorvane {

namespace {

constexpr std::string_view kDot = " \u00b7 ";

std::string OctetBox(std::size_t index)
{
    static constexpr std::array<std::string_view, 4> kOrdinal{"First", "Second", "Third", "Fourth"};
    std::string text = std::string(kOrdinal[index]) + " octet of the address: ";
    if (index == 0) {
        text += "1 to 255; a larger value becomes 255, a smaller one 1. It decides the class: " +
                ClassRanges() + ".";
    } else {
        text += "0 to 255 (the first octet 1 to 255); a larger value becomes 255, a negative "
                "one 0.";
    }
    return text + " A \".\" moves on to the next box; a whole address, such as "
                  "192.168.1.10/26, can be pasted into any box.";
}

std::string MaskListText(const Situation& now, const std::string& picked)
{
    const auto prefix = PrefixForMask(picked);
    if (prefix)
        return "/" + std::to_string(*prefix) + ", wildcard " + DottedQuad(~PrefixMask(*prefix));
    if (now.NotSubnetted()) return now.NoMask();
    return "The subnet masks for the address's class and the chosen mode; the open list shows "
           "what each gives.";
}

// Where the Hosts/Subnets list starts, how many lines it shows, and that it may show
// the two subnets Max. Subnets leaves out.
std::string ListBoxText(const Situation& now)
{
    const std::string what = "The Hosts/Subnets list: the subnets from the one that holds the "
                             "address on, each with its host range and broadcast address";
    if (now.NotSubnetted())
        return "Empty: " + NotSubnettedAddress(now.netClass) + " is not subnetted.";
    if (now.supernet) return "Empty in Supernet mode: a block is not divided into subnets.";
    if (!now.address || !now.prefix) return what + "; 300 lines at most.";
    if (!now.counts.hostsApply) {
        return "Empty: with no subnet bits the " + ClassName(now.netClass) +
               " network is not subnetted.";
    }
    const int hostBits = now.counts.hostBits;
    const std::uint32_t network = *now.address & PrefixMask(ClassfulPrefix(now.netClass));
    const std::uint32_t first =
        (*now.address & ~PrefixMask(ClassfulPrefix(now.netClass))) >> hostBits;
    const double lines = std::min(now.counts.subnets, static_cast<double>(kMaxHostListLines));
    const double last = first + lines - 1;
    const double allOnes = now.counts.allSubnets - 1;

    std::string text =
        "The list starts at the address's own subnet, " +
        DottedQuad(*now.address & PrefixMask(*now.prefix)) + (first == 0 ? " (subnet zero)" : "") +
        ", and shows " + FormatCount(lines, "line", "lines") + " of the " +
        FormatCount(now.counts.subnets, "subnet", "subnets") +
        " Max. Subnets counts. Max. Subnets leaves out subnet zero and the "
        "all-ones subnet (2^" +
        std::to_string(now.counts.subnetBits) +
        " \u2212 2 = " + FormatWhole(now.counts.rawSubnets) + "), while the list may show them";
    if (first == 0 && last >= allOnes) return text + ": here it shows both.";
    if (first == 0) return text + ": here it starts at subnet zero.";
    if (last < allOnes) return text + "; here it shows neither.";
    text += ": here it runs to the all-ones subnet " +
            DottedQuad(network | static_cast<std::uint32_t>(allOnes) << hostBits);
    if (last > allOnes)
        text += ", and its last " + FormatCount(last - allOnes, "line lies", "lines lie") +
                " in the next network";
    return text + ".";
}

std::string Hint(const Things& things, int prefix)
{
    const std::string bits = "/" + std::to_string(prefix);
    if (things.NetClass < net_class::kA) return bits;
    const bool supernet = things.SubSuperMode == mode::kSupernet;
    const Counts counts = CountsFor(prefix, things.ClassHostBits(things.NetClass),
                                    things.ClassNetworkBits(things.NetClass), supernet);
    std::string hint = bits + std::string(kDot);
    if (supernet) {
        return hint + FormatWhole(counts.subnets) + " per block" + std::string(kDot) +
               FormatCount(counts.hosts, "host", "hosts");
    }
    if (!counts.hostsApply) {
        return hint + "not subnetted" + std::string(kDot) +
               FormatCount(counts.total, "host", "hosts");
    }
    return hint + FormatCount(counts.subnets, "subnet", "subnets") + std::string(kDot) +
           FormatCount(counts.hosts, "host", "hosts") + " each";
}

} // namespace

std::vector<Explanation> ExplainFields(const Things& things)
{
    const Situation now = SituationOf(things);
    std::vector<Explanation> out;
    out.reserve(kOctetBoxes.size() + kValueLabels.size() + 2);
    for (std::size_t i = 0; i < kOctetBoxes.size(); ++i)
        out.push_back({kOctetBoxes[i], OctetBox(i)});
    for (const ValueLabel& label : kValueLabels)
        out.push_back({label.value, label.explain(now)});
    out.push_back({Field::SubnetList, MaskListText(now, things.fields().ListSelected())});
    out.push_back({Field::AccessListBox, ListBoxText(now)});
    return out;
}

std::vector<std::string> MaskHints(const Things& things, const std::vector<std::string>& entries)
{
    std::vector<std::string> hints;
    hints.reserve(entries.size());
    for (const std::string& entry : entries) {
        if (const auto prefix = PrefixForMask(entry)) {
            hints.push_back(Hint(things, *prefix));
        } else if (things.NetClass > net_class::kC) {
            hints.push_back("no mask: " + NotSubnettedAddress(things.NetClass) +
                            " is not subnetted");
        } else {
            // Only classes D and E list an entry that is no mask ("N/A").
            hints.emplace_back();
        }
    }
    return hints;
}

void Explainer::Explain(const Things& things, Window& window)
{
    for (const Explanation& explanation : ExplainFields(things))
        window.Explain(explanation.field, explanation.text);
    std::vector<std::string> entries = window.ListEntries();
    if (entries != entries_ || things.NetClass != netClass_ || things.SubSuperMode != mode_) {
        hints_ = MaskHints(things, entries);
        entries_ = std::move(entries);
        netClass_ = things.NetClass;
        mode_ = things.SubSuperMode;
    }
    // A refilled list has lost its hints even when it holds the same entries.
    window.ExplainEntries(hints_);
}

} // namespace quorvane
