// SPDX-License-Identifier: MIT
#include "WindowInvariants.h"

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

constexpr std::string_view kNA = "N/A";
constexpr std::array<std::string_view, 6> kClassNames{"A", "Loopback",  "B",
                                                      "C", "Multicast", "Experimental"};

class Report {
public:
    void Expect(bool ok, const std::string& message)
    {
        if (!ok) messages_.push_back(message);
    }
    void ExpectText(const Window& window, Field field, std::string_view expected)
    {
        const std::string actual = Shown(window, field);
        if (actual != expected) {
            messages_.push_back(std::string(NameOf(field)) + " shows \"" + actual +
                                "\", expected \"" + std::string(expected) + "\"");
        }
    }
    static std::string Shown(const Window& window, Field field)
    {
        const FieldKind kind = InfoOf(field).kind;
        return kind == FieldKind::Label ? window.Caption(field) : window.Text(field);
    }
    std::vector<std::string> Take() { return std::move(messages_); }

private:
    std::vector<std::string> messages_;
};

std::string Quad(std::uint32_t a)
{
    return std::to_string(a >> 24) + "." + std::to_string((a >> 16) & 0xFF) + "." +
           std::to_string((a >> 8) & 0xFF) + "." + std::to_string(a & 0xFF);
}

std::string Spaced(std::uint32_t a)
{
    std::string bits;
    for (int i = 31; i >= 0; --i) {
        bits += ((a >> i) & 1) != 0 ? '1' : '0';
        if (i % 8 == 0 && i != 0) bits += ' ';
    }
    return bits;
}

std::uint32_t MaskOf(int prefix)
{
    return prefix == 0 ? 0 : ~std::uint32_t{0} << (32 - prefix);
}

// A plain decimal number 0..max: digits only, no leading zero.
bool ReadNumber(std::string_view text, std::size_t& i, std::uint32_t max, std::uint32_t& value)
{
    const std::size_t start = i;
    std::uint64_t number = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9' && i - start < 10) {
        number = number * 10 + static_cast<std::uint64_t>(text[i] - '0');
        ++i;
    }
    if (i == start || number > max || (text[start] == '0' && i - start > 1)) return false;
    value = static_cast<std::uint32_t>(number);
    return true;
}

bool ReadQuad(std::string_view text, std::size_t& i, std::uint32_t& address)
{
    address = 0;
    for (int octet = 0; octet < 4; ++octet) {
        if (octet > 0) {
            if (i >= text.size() || text[i] != '.') return false;
            ++i;
        }
        std::uint32_t value = 0;
        if (!ReadNumber(text, i, 255, value)) return false;
        address = address << 8 | value;
    }
    return true;
}

std::optional<std::uint32_t> WholeQuad(std::string_view text)
{
    std::size_t i = 0;
    std::uint32_t address = 0;
    if (!ReadQuad(text, i, address) || i != text.size()) return std::nullopt;
    return address;
}

bool Take(std::string_view text, std::size_t& i, std::string_view literal)
{
    if (text.substr(i, literal.size()) != literal) return false;
    i += literal.size();
    return true;
}

std::size_t Blanks(std::string_view text, std::size_t& i)
{
    const std::size_t start = i;
    while (i < text.size() && text[i] == ' ')
        ++i;
    return i - start;
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
            entries.push_back(Quad(MaskOf(p)));
    } else {
        for (int p = classful; p <= 31; ++p)
            entries.push_back(Quad(MaskOf(p)));
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

// Every line: "k) subnet", padding, "  -  ", "first to last", padding, "  -  ",
// broadcast, CRLF; each subnet follows the previous one by the subnet size.
void CheckHostList(Report& report, std::string_view list, std::uint32_t subnet, int hostBits,
                   std::uint64_t lines)
{
    const std::uint64_t size = std::uint64_t{1} << hostBits;
    std::size_t i = 0;
    for (std::uint64_t k = 1; k <= lines; ++k) {
        const std::uint32_t current = static_cast<std::uint32_t>(subnet + (k - 1) * size);
        const std::uint32_t next = static_cast<std::uint32_t>(subnet + k * size);

        std::uint32_t number = 0, address = 0, first = 0, last = 0, broadcast = 0;
        std::size_t width1 = 0, gap1 = 0, width2 = 0, gap2 = 0;
        const auto parse = [&] {
            const std::size_t column1 = i;
            if (!ReadNumber(list, i, 1000, number) || number != k || !Take(list, i, ") ") ||
                !ReadQuad(list, i, address)) {
                return false;
            }
            width1 = i - column1;
            gap1 = Blanks(list, i);
            if (gap1 < 2 || !Take(list, i, "-  ")) return false;
            const std::size_t column2 = i;
            if (!ReadQuad(list, i, first) || !Take(list, i, " to ") || !ReadQuad(list, i, last)) {
                return false;
            }
            width2 = i - column2;
            gap2 = Blanks(list, i);
            return gap2 >= 2 && Take(list, i, "-  ") && ReadQuad(list, i, broadcast) &&
                   Take(list, i, "\r\n");
        };
        const auto where = [k] { return "list line " + std::to_string(k) + ": "; };
        if (!parse()) {
            report.Expect(false, where() + "malformed at offset " + std::to_string(i));
            return;
        }
        const auto pad = [](std::size_t limit, std::size_t width) {
            return static_cast<std::size_t>(std::max<long long>(
                0, static_cast<long long>(limit) - 2 * static_cast<long long>(width)));
        };
        // Messages are built only for a broken line: lists run to 300 lines.
        if (address != current || first != current + 1 || last != next - 2 ||
            broadcast != next - 1) {
            report.Expect(false, where() + "subnet " + Quad(address) + ", hosts " + Quad(first) +
                                     " to " + Quad(last) + ", broadcast " + Quad(broadcast) +
                                     "; expected subnet " + Quad(current) + " of " +
                                     std::to_string(size) + " addresses");
        }
        if (gap1 - 2 != pad(40, width1) || gap2 - 2 != pad(68, width2)) {
            report.Expect(false, where() + "columns padded wrongly");
        }
    }
    report.Expect(i == list.size(), "list has more than " + std::to_string(lines) + " lines");
}

void CheckCalculation(Report& report, const Window& window, std::uint32_t address, int netClass,
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

    report.ExpectText(window, Field::HostBitsValue, std::to_string(hostBits));
    report.ExpectText(window, Field::SubnetBitsValue, std::to_string(subnetBits));
    report.ExpectText(window, Field::MaskBitsValue, std::to_string(prefix));
    report.ExpectText(window, Field::MaxSubnetsValue, std::to_string(subnets));
    report.ExpectText(window, Field::BinMask, Spaced(mask));
    report.ExpectText(window, Field::BinSubnet, Spaced(address & mask));
    report.ExpectText(window, Field::BinBC, Spaced(address | ~mask));
    report.ExpectText(window, Field::IPSubnet, Quad(address & mask));
    report.ExpectText(window, Field::IPBroadcast, Quad(address | ~mask));

    if (supernet) {
        report.ExpectText(window, Field::MaxHostsValue, std::to_string(hosts));
        report.ExpectText(window, Field::TotalHostsValue, kNA);
        report.ExpectText(window, Field::PercVal, kNA);
        report.ExpectText(window, Field::AccessListBox, "");
        return;
    }
    const std::uint64_t total = subnets == 0 ? hosts : subnets * hosts;
    const std::uint64_t divisor = (std::uint64_t{1} << classHostBits) - 2;
    report.ExpectText(window, Field::MaxHostsValue,
                      subnets == 0 ? std::string(kNA) : std::to_string(hosts));
    report.ExpectText(window, Field::TotalHostsValue, std::to_string(total));
    report.ExpectText(window, Field::PercVal, Percent(total, divisor, options.decimalPoint));
    CheckHostList(report, window.Text(Field::AccessListBox), address & mask, hostBits,
                  std::min<std::uint64_t>(subnets, 300));
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

std::vector<std::string> CheckWindow(const Window& window, const std::string& listBefore,
                                     const InvariantOptions& options)
{
    Report report;
    const bool subnet = window.OptionSelected(Field::Subsuper1);
    const bool supernet = window.OptionSelected(Field::Subsuper2);
    report.Expect(subnet != supernet, "exactly one mode option must be selected");
    report.ExpectText(window, Field::SubnetBitsLabel,
                      supernet ? "CIDR Mask Bits:" : "Subnet Bits:");
    report.ExpectText(window, Field::MaxSubnetsLabel,
                      supernet ? "Subnets/Block:" : "Max. Subnets:");

    const std::vector<std::string> entries = window.ListEntries();
    const std::string selected = window.ListSelected();
    report.Expect(selected.empty() ||
                      std::find(entries.begin(), entries.end(), selected) != entries.end(),
                  "selected \"" + selected + "\" is not in the list");

    // Before any octet has been typed nothing is read: the boxes and results stay empty.
    const std::string className = window.Caption(Field::Class);
    if (className.empty()) {
        for (Field box : kOctetBoxes)
            report.ExpectText(window, box, "");
        for (Field field : {Field::DecIP, Field::BinHost, Field::NetID, Field::HostID,
                            Field::BinMask, Field::IPSubnet, Field::AccessListBox}) {
            report.ExpectText(window, field, "");
        }
        report.Expect(entries.empty() || entries == ExpectedEntries(0, supernet),
                      "list before any address does not match the mode");
        return report.Take();
    }

    std::array<std::uint32_t, 4> octet{};
    for (std::size_t i = 0; i < 4; ++i) {
        const std::string text = window.Text(kOctetBoxes[i]);
        const std::string box(NameOf(kOctetBoxes[i]));
        if (options.boxesLimited) {
            report.Expect(Characters(text).size() <= 3, box + " holds more than 3 characters");
        }
        const double value = BoxNumber(text);
        const double lowest = i == 0 ? 1 : 0;
        report.Expect(value >= lowest && value <= 255,
                      box + " \"" + text + "\" reads out of range");
        octet[i] = value >= lowest && value <= 255 ? static_cast<std::uint32_t>(value) : 0;
    }
    report.Expect(!window.Text(Field::IP_Part1).empty(), "box 1 is empty");
    const std::uint32_t address = octet[0] << 24 | octet[1] << 16 | octet[2] << 8 | octet[3];
    const int netClass = ClassOf(octet[0]);

    report.Expect(std::find(kClassNames.begin(), kClassNames.end(), className) != kClassNames.end(),
                  "unknown class \"" + className + "\"");
    // The names list A, then Loopback, then B onwards by class number.
    const std::size_t nameIndex = octet[0] == 127 ? 1
                                  : netClass == 1 ? 0
                                                  : static_cast<std::size_t>(netClass);
    report.ExpectText(window, Field::Class, kClassNames[nameIndex]);
    report.ExpectText(window, Field::DecIP, std::to_string(address));
    report.ExpectText(window, Field::BinHost, Spaced(address));
    const auto o = [&](std::size_t i) { return std::to_string(octet[i]); };
    switch (netClass) {
    case 1:
        report.ExpectText(window, Field::NetID, o(0) + ".x.x.x");
        report.ExpectText(window, Field::HostID, "x." + o(1) + "." + o(2) + "." + o(3));
        break;
    case 2:
        report.ExpectText(window, Field::NetID, o(0) + "." + o(1) + ".x.x");
        report.ExpectText(window, Field::HostID, "x.x." + o(2) + "." + o(3));
        break;
    case 3:
        report.ExpectText(window, Field::NetID, o(0) + "." + o(1) + "." + o(2) + ".x");
        report.ExpectText(window, Field::HostID, "x.x.x." + o(3));
        break;
    default:
        report.ExpectText(window, Field::NetID, kNA);
        report.ExpectText(window, Field::HostID, kNA);
        break;
    }

    report.Expect(entries == ExpectedEntries(netClass, supernet),
                  "list entries do not match class " + std::to_string(netClass) +
                      (supernet ? " in Supernet mode" : " in Subnet mode"));
    if (netClass > 3) {
        report.Expect(selected == kNA, "\"N/A\" is not selected");
        for (Field field : {Field::HostBitsValue, Field::SubnetBitsValue, Field::MaskBitsValue,
                            Field::MaxSubnetsValue, Field::MaxHostsValue, Field::TotalHostsValue,
                            Field::BinMask, Field::BinSubnet, Field::BinBC, Field::IPSubnet,
                            Field::IPBroadcast, Field::PercVal}) {
            report.ExpectText(window, field, kNA);
        }
        report.ExpectText(window, Field::AccessListBox, listBefore);
        return report.Take();
    }

    // The selected mask, read as a prefix: ones then zeros.
    const auto mask = WholeQuad(selected);
    int prefix = -1;
    if (mask) {
        const std::uint32_t m = *mask;
        for (int p = 0; p <= 32; ++p) {
            if (MaskOf(p) == m) prefix = p;
        }
    }
    report.Expect(prefix >= 2 && prefix <= 31, "selected \"" + selected + "\" is not a mask");
    if (prefix < 2 || prefix > 31) return report.Take();
    CheckCalculation(report, window, address, netClass, supernet, prefix, options);
    return report.Take();
}

void TypeAddress(UserActions& user, const char* octet1, const char* octet2, const char* octet3,
                 const char* octet4)
{
    user.Type(Field::IP_Part1, octet1);
    user.Type(Field::IP_Part2, octet2);
    user.Type(Field::IP_Part3, octet3);
    user.Type(Field::IP_Part4, octet4);
}

} // namespace quorvane::hardening
