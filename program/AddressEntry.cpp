// SPDX-License-Identifier: MIT
#include "AddressEntry.h"

#include "Classify.h"
#include "MaskList.h"
#include "TextValue.h"

#include <algorithm>

namespace quorvane {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::size_t SkipAny(std::string_view text, std::size_t at, std::string_view blanks)
{
    while (at < text.size() && blanks.find(text[at]) != std::string_view::npos)
        ++at;
    return at;
}

// One to `most` digits at `at`, and no digit after them.
std::optional<std::string_view> Digits(std::string_view text, std::size_t& at, std::size_t most)
{
    const std::size_t start = at;
    while (at < text.size() && at - start < most && IsDigit(text[at]))
        ++at;
    if (at == start || (at < text.size() && IsDigit(text[at]))) return std::nullopt;
    return text.substr(start, at - start);
}

// Four groups of 1 to 3 digits joined by ".", from `at` on.
std::optional<std::array<std::string, 4>> DottedGroups(std::string_view text, std::size_t& at)
{
    std::array<std::string, 4> groups;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        if (i > 0) {
            if (at >= text.size() || text[at] != '.') return std::nullopt;
            ++at;
        }
        const auto group = Digits(text, at, 3);
        if (!group) return std::nullopt;
        groups[i] = std::string(*group);
    }
    return groups;
}

} // namespace

std::optional<PastedAddress> ReadPastedAddress(std::string_view text)
{
    constexpr std::string_view kTrimmed = " \t\r\n";
    const std::size_t first = text.find_first_not_of(kTrimmed);
    if (first == std::string_view::npos) return std::nullopt;
    text = text.substr(first, text.find_last_not_of(kTrimmed) + 1 - first);

    std::size_t at = 0;
    auto octets = DottedGroups(text, at);
    if (!octets) return std::nullopt;
    PastedAddress address{std::move(*octets), std::nullopt};
    if (at == text.size()) return address;

    if (const std::size_t slash = SkipAny(text, at, " ");
        slash < text.size() && text[slash] == '/') {
        std::size_t end = SkipAny(text, slash + 1, " ");
        const auto number = Digits(text, end, 2);
        if (!number || end != text.size()) return std::nullopt;
        address.prefix = 0;
        for (char digit : *number)
            *address.prefix = *address.prefix * 10 + (digit - '0');
        return address;
    }

    const std::size_t maskStart = SkipAny(text, at, " \t");
    std::size_t end = maskStart;
    if (maskStart == at || !DottedGroups(text, end) || end != text.size()) return std::nullopt;
    if (const auto prefix = PrefixForMask(text.substr(maskStart))) address.prefix = *prefix;
    return address;
}

std::optional<Field> BoxAfterDot(Field box, std::string_view text)
{
    if (text.empty()) return std::nullopt;
    switch (box) {
    case Field::IP_Part1: return Field::IP_Part2;
    case Field::IP_Part2: return Field::IP_Part3;
    case Field::IP_Part3: return Field::IP_Part4;
    default: return std::nullopt;
    }
}

void EnterAddress(const PastedAddress& address, Window& window, AddressEntrySteps& steps)
{
    for (std::size_t i = 0; i < kOctetBoxes.size(); ++i)
        steps.EditBox(kOctetBoxes[i], address.octets[i]);

    // Whether a prefix applies is decided on the address as the boxes read now,
    // corrections and all: box 1 then holds 1 to 255.
    const double firstOctet = RoundHalfEven(TextValue(window.Text(Field::IP_Part1)));
    const bool prefixApplies =
        address.prefix && *address.prefix >= kShortestPrefix && *address.prefix <= kLongestPrefix;
    const std::int16_t netClass =
        prefixApplies ? Classify(static_cast<std::int16_t>(firstOctet)).netClass : net_class::kNone;
    if (netClass >= net_class::kA && netClass <= net_class::kC) {
        const int prefix = *address.prefix;
        if (prefix < ClassfulPrefix(netClass) && window.OptionSelected(Field::Subsuper1)) {
            steps.ClickOption(Field::Subsuper2);
        } else if (prefix > ClassfulPrefix(netClass) && window.OptionSelected(Field::Subsuper2)) {
            steps.ClickOption(Field::Subsuper1);
        }
        // A selection by text raises the same click as the user's pick.
        const std::string_view mask = MaskText(prefix);
        const std::vector<std::string> entries = window.ListEntries();
        if (std::find(entries.begin(), entries.end(), mask) != entries.end()) {
            window.ListSelect(mask);
        }
    }
    steps.FocusBox(Field::IP_Part4);
}

} // namespace quorvane
