// SPDX-License-Identifier: MIT
#include "WindowInvariants.h"

#include "Addresses.h"
#include "HostLines.h"

#include <algorithm>
#include <array>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <locale.h>
#include <optional>

namespace quorvane::hardening {

namespace {

using oracle::Dotted;
using oracle::HostListProblem;
using oracle::MaskOf;
using oracle::ParseDotted;
using oracle::Spaced;

constexpr std::string_view kNA = "N/A";
constexpr std::array<std::string_view, 6> kClassNames{"A", "Loopback",  "B",
                                                      "C", "Multicast", "Experimental"};

class Report {
public:
    void Expect(bool ok, const std::string& message)
    {
        if (!ok) messages_.push_back(message);
    }
    void ExpectText(const Screen& screen, Field field, std::string_view expected)
    {
        const std::string actual = screen.Shown(field);
        if (actual != expected) {
            messages_.push_back(std::string(NameOf(field)) + " shows \"" + actual +
                                "\", expected \"" + std::string(expected) + "\"");
        }
    }
    std::vector<std::string> Take() { return std::move(messages_); }

private:
    std::vector<std::string> messages_;
};

std::uint32_t AddressOf(const std::array<std::uint32_t, 4>& octets)
{
    return octets[0] << 24 | octets[1] << 16 | octets[2] << 8 | octets[3];
}

int ClassOf(std::uint32_t firstOctet)
{
    if (firstOctet < 128) return 1;
    if (firstOctet < 192) return 2;
    if (firstOctet < 224) return 3;
    if (firstOctet < 240) return 4;
    return 5;
}

std::vector<std::string> ExpectedEntries(int netClass, bool supernet)
{
    if (netClass > 3) return {std::string(kNA)};
    const int classful = 8 * std::max(netClass, 1);
    std::vector<std::string> entries;
    if (supernet) {
        for (int p = classful; p >= 2; --p)
            entries.push_back(Dotted(MaskOf(p)));
    } else {
        for (int p = classful; p <= 31; ++p)
            entries.push_back(Dotted(MaskOf(p)));
    }
    return entries;
}

std::string Percent(std::uint64_t total, std::uint64_t divisor, const std::string& point)
{
    // Tenths of a percent, rounded; the divisors never give an exact half.
    const std::uint64_t tenths = (total * 2000 + divisor) / (2 * divisor);
    std::string text = std::to_string(tenths / 10);
    if (tenths % 10 != 0) text += point + std::to_string(tenths % 10);
    return text + "%";
}

void CheckCalculation(Report& report, const Screen& screen, std::uint32_t address, int netClass,
                      bool supernet, int prefix, const InvariantOptions& options)
{
    const int classHostBits = 32 - 8 * netClass;
    const int hostBits = 32 - prefix;
    const int subnetBits = supernet ? 8 * netClass - prefix : classHostBits - hostBits;
    report.Expect(subnetBits >= 0, "prefix " + std::to_string(prefix) + " not offered here");
    if (subnetBits < 0) return;

    const auto count = [](int bits) -> std::uint64_t {
        const std::uint64_t n = (std::uint64_t{1} << bits) - 2;
        return bits < 2 ? static_cast<std::uint64_t>(bits) : n;
    };
    const std::uint64_t subnets = count(subnetBits);
    const std::uint64_t hosts = hostBits == 1 ? 1 : count(hostBits);
    const std::uint32_t mask = MaskOf(prefix);

    report.ExpectText(screen, Field::HostBitsValue, std::to_string(hostBits));
    report.ExpectText(screen, Field::SubnetBitsValue, std::to_string(subnetBits));
    report.ExpectText(screen, Field::MaskBitsValue, std::to_string(prefix));
    report.ExpectText(screen, Field::MaxSubnetsValue, std::to_string(subnets));
    report.ExpectText(screen, Field::BinMask, Spaced(mask));
    report.ExpectText(screen, Field::BinSubnet, Spaced(address & mask));
    report.ExpectText(screen, Field::BinBC, Spaced(address | ~mask));
    report.ExpectText(screen, Field::IPSubnet, Dotted(address & mask));
    report.ExpectText(screen, Field::IPBroadcast, Dotted(address | ~mask));

    if (supernet) {
        report.ExpectText(screen, Field::MaxHostsValue, std::to_string(hosts));
        report.ExpectText(screen, Field::TotalHostsValue, kNA);
        report.ExpectText(screen, Field::PercVal, kNA);
        report.ExpectText(screen, Field::AccessListBox, "");
        return;
    }
    const std::uint64_t total = subnets == 0 ? hosts : subnets * hosts;
    const std::uint64_t divisor = (std::uint64_t{1} << classHostBits) - 2;
    report.ExpectText(screen, Field::MaxHostsValue,
                      subnets == 0 ? std::string(kNA) : std::to_string(hosts));
    report.ExpectText(screen, Field::TotalHostsValue, std::to_string(total));
    report.ExpectText(screen, Field::PercVal, Percent(total, divisor, options.decimalPoint));
    if (const auto problem = HostListProblem(screen.Shown(Field::AccessListBox), address & mask,
                                             hostBits, std::min<std::uint64_t>(subnets, 300))) {
        report.Expect(false, *problem);
    }
}

// One mode option is selected, the captions follow it, and the list holds the
// selected entry.
void CheckModeAndSelection(Report& report, const Screen& screen)
{
    const bool subnet = screen.OptionSelected(Field::Subsuper1);
    const bool supernet = screen.OptionSelected(Field::Subsuper2);
    report.Expect(subnet != supernet, "exactly one mode option must be selected");
    report.ExpectText(screen, Field::SubnetBitsLabel,
                      supernet ? "CIDR Mask Bits:" : "Subnet Bits:");
    report.ExpectText(screen, Field::MaxSubnetsLabel,
                      supernet ? "Subnets/Block:" : "Max. Subnets:");
    const std::vector<std::string> entries = screen.ListEntries();
    const std::string selected = screen.ListSelected();
    report.Expect(selected.empty() ||
                      std::find(entries.begin(), entries.end(), selected) != entries.end(),
                  "selected \"" + selected + "\" is not in the list");
}

// Before any octet has been typed nothing is read: the boxes and results stay empty.
void CheckNothingRead(Report& report, const Screen& screen, bool supernet)
{
    for (Field box : kOctetBoxes)
        report.ExpectText(screen, box, "");
    for (Field field : {Field::DecIP, Field::BinHost, Field::NetID, Field::HostID, Field::BinMask,
                        Field::IPSubnet, Field::AccessListBox}) {
        report.ExpectText(screen, field, "");
    }
    const std::vector<std::string> entries = screen.ListEntries();
    report.Expect(entries.empty() || entries == ExpectedEntries(0, supernet),
                  "list before any address does not match the mode");
}

// Each box reads as an octet in range (box 1 from 1, and never empty); the octets,
// 0 for a box out of range.
std::array<std::uint32_t, 4> ReadOctets(Report& report, const Screen& screen,
                                        const InvariantOptions& options)
{
    std::array<std::uint32_t, 4> octets{};
    for (std::size_t i = 0; i < 4; ++i) {
        const std::string text = screen.Shown(kOctetBoxes[i]);
        const std::string box(NameOf(kOctetBoxes[i]));
        if (options.boxesLimited) {
            report.Expect(Characters(text).size() <= 3, box + " holds more than 3 characters");
        }
        const double value = BoxNumber(text);
        const double lowest = i == 0 ? 1 : 0;
        report.Expect(value >= lowest && value <= 255,
                      box + " \"" + text + "\" reads out of range");
        octets[i] = value >= lowest && value <= 255 ? static_cast<std::uint32_t>(value) : 0;
    }
    report.Expect(!screen.Shown(Field::IP_Part1).empty(), "box 1 is empty");
    return octets;
}

// The class, the address as one number and as bits, and its network and host parts.
void CheckAddress(Report& report, const Screen& screen, const std::array<std::uint32_t, 4>& octets)
{
    const std::string className = screen.Shown(Field::Class);
    report.Expect(std::find(kClassNames.begin(), kClassNames.end(), className) != kClassNames.end(),
                  "unknown class \"" + className + "\"");
    const int netClass = ClassOf(octets[0]);
    // The names list A, then Loopback, then B onwards by class number.
    const std::size_t nameIndex = octets[0] == 127 ? 1
                                  : netClass == 1  ? 0
                                                   : static_cast<std::size_t>(netClass);
    report.ExpectText(screen, Field::Class, kClassNames[nameIndex]);
    const std::uint32_t address = AddressOf(octets);
    report.ExpectText(screen, Field::DecIP, std::to_string(address));
    report.ExpectText(screen, Field::BinHost, Spaced(address));
    const auto o = [&](std::size_t i) { return std::to_string(octets[i]); };
    switch (netClass) {
    case 1:
        report.ExpectText(screen, Field::NetID, o(0) + ".x.x.x");
        report.ExpectText(screen, Field::HostID, "x." + o(1) + "." + o(2) + "." + o(3));
        break;
    case 2:
        report.ExpectText(screen, Field::NetID, o(0) + "." + o(1) + ".x.x");
        report.ExpectText(screen, Field::HostID, "x.x." + o(2) + "." + o(3));
        break;
    case 3:
        report.ExpectText(screen, Field::NetID, o(0) + "." + o(1) + "." + o(2) + ".x");
        report.ExpectText(screen, Field::HostID, "x.x.x." + o(3));
        break;
    default:
        report.ExpectText(screen, Field::NetID, kNA);
        report.ExpectText(screen, Field::HostID, kNA);
        break;
    }
}

// Multicast and experimental: "N/A" selected in the list and shown in every
// figure, and no Hosts/Subnets list, not even an earlier address's.
void CheckNotApplicable(Report& report, const Screen& screen)
{
    report.Expect(screen.ListSelected() == kNA, "\"N/A\" is not selected");
    for (Field field :
         {Field::HostBitsValue, Field::SubnetBitsValue, Field::MaskBitsValue,
          Field::MaxSubnetsValue, Field::MaxHostsValue, Field::TotalHostsValue, Field::BinMask,
          Field::BinSubnet, Field::BinBC, Field::IPSubnet, Field::IPBroadcast, Field::PercVal}) {
        report.ExpectText(screen, field, kNA);
    }
    report.ExpectText(screen, Field::AccessListBox, "");
}

// The prefix length a mask text stands for (ones then zeros); -1 for any other text.
int PrefixOfMask(const std::string& text)
{
    const auto mask = ParseDotted(text);
    for (int p = 0; mask && p <= 32; ++p) {
        if (MaskOf(p) == *mask) return p;
    }
    return -1;
}

} // namespace

double BoxNumber(std::string_view text)
{
    std::string s;
    for (char c : text) {
        if (c != ' ' && c != '\t') s += c;
    }
    const auto digitsFrom = [&s](std::size_t i) {
        while (i < s.size() && s[i] >= '0' && s[i] <= '9')
            ++i;
        return i;
    };
    const std::size_t sign = !s.empty() && (s[0] == '+' || s[0] == '-') ? 1 : 0;
    std::size_t end = digitsFrom(sign);
    bool digits = end > sign;
    if (end < s.size() && s[end] == '.') {
        const std::size_t fraction = digitsFrom(end + 1);
        digits = digits || fraction > end + 1;
        end = fraction;
    }
    if (!digits) return 0;
    if (end < s.size() && (s[end] == 'e' || s[end] == 'E')) {
        std::size_t exponent = end + 1;
        if (exponent < s.size() && (s[exponent] == '+' || s[exponent] == '-')) ++exponent;
        if (const std::size_t last = digitsFrom(exponent); last > exponent) end = last;
    }
    // Whatever locale the process runs in, the point is the decimal point.
#ifdef _WIN32
    static const _locale_t cLocale = _create_locale(LC_ALL, "C");
    return std::nearbyint(_strtod_l(s.substr(0, end).c_str(), nullptr, cLocale));
#else
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    return std::nearbyint(strtod_l(s.substr(0, end).c_str(), nullptr, cLocale));
#endif
}

std::vector<std::string> Characters(std::string_view utf8)
{
    std::vector<std::string> characters;
    for (char c : utf8) {
        const bool continues = (static_cast<unsigned char>(c) & 0xC0) == 0x80;
        if (!continues || characters.empty()) characters.emplace_back();
        characters.back() += c;
    }
    return characters;
}

std::vector<std::string> CheckWindow(const Screen& screen, const InvariantOptions& options)
{
    Report report;
    const bool supernet = screen.OptionSelected(Field::Subsuper2);
    CheckModeAndSelection(report, screen);
    if (screen.Shown(Field::Class).empty()) {
        CheckNothingRead(report, screen, supernet);
        return report.Take();
    }

    const std::array<std::uint32_t, 4> octets = ReadOctets(report, screen, options);
    const std::uint32_t address = AddressOf(octets);
    const int netClass = ClassOf(octets[0]);
    CheckAddress(report, screen, octets);
    report.Expect(screen.ListEntries() == ExpectedEntries(netClass, supernet),
                  "list entries do not match class " + std::to_string(netClass) +
                      (supernet ? " in Supernet mode" : " in Subnet mode"));
    if (netClass > 3) {
        CheckNotApplicable(report, screen);
        return report.Take();
    }

    const std::string selected = screen.ListSelected();
    const int prefix = PrefixOfMask(selected);
    report.Expect(prefix >= 2 && prefix <= 31, "selected \"" + selected + "\" is not a mask");
    if (prefix >= 2 && prefix <= 31) {
        CheckCalculation(report, screen, address, netClass, supernet, prefix, options);
    }
    return report.Take();
}

} // namespace quorvane::hardening
