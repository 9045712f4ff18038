// SPDX-License-Identifier: MIT
#include "AddressEntry.h"

#include "Classify.h"
#include "MaskList.h"
#include "TextValue.h"

#include <algorithm>

namespace quorvane {

std::optional<Field> FieldAfterSeparator(Field box, char32_t key, std::string_view text)
{
    if (text.empty()) return std::nullopt;
    if (key == U'/')
        return box == Field::IP_Part4 ? std::optional(Field::SubnetList) : std::nullopt;
    if (key != U'.') return std::nullopt;
    switch (box) {
    case Field::IP_Part1: return Field::IP_Part2;
    case Field::IP_Part2: return Field::IP_Part3;
    case Field::IP_Part3: return Field::IP_Part4;
    default: return std::nullopt;
    }
}

PrefixKeys::Taken PrefixKeys::Key(char32_t key)
{
    if (key == U'/') {
        typed_.assign(1, '/');
        return Taken::Waiting;
    }
    if (key < U'0' || key > U'9') {
        typed_.clear();
        return Taken::No;
    }
    typed_ += static_cast<char>(key);
    const std::size_t digits = typed_.size() - (typed_.starts_with('/') ? 1 : 0);
    // No prefix is longer than 32: after a 4 to 9, nothing more can follow.
    if (digits == 2 || (digits == 1 && typed_.back() > '3')) return Taken::Complete;
    return Taken::Waiting;
}

std::optional<int> PrefixKeys::Finish()
{
    std::optional<int> prefix;
    for (char c : typed_) {
        if (c != '/') prefix = prefix.value_or(0) * 10 + (c - '0');
    }
    typed_.clear();
    return prefix;
}

void ChoosePrefix(int prefix, Window& window, AddressEntrySteps& steps)
{
    if (prefix < kShortestPrefix || prefix > kLongestPrefix) return;
    // Box 1 holds 1 to 255 once any box holds text, corrections and all.
    const double firstOctet = RoundHalfEven(TextValue(window.Text(Field::IP_Part1)));
    const std::int16_t netClass = Classify(static_cast<std::int16_t>(firstOctet)).netClass;
    if (window.Text(Field::IP_Part1).empty() || netClass < net_class::kA ||
        netClass > net_class::kC)
        return;
    if (prefix < ClassfulPrefix(netClass) && window.OptionSelected(Field::Subsuper1)) {
        steps.ClickOption(Field::Subsuper2);
    } else if (prefix > ClassfulPrefix(netClass) && window.OptionSelected(Field::Subsuper2)) {
        steps.ClickOption(Field::Subsuper1);
    }
    // A selection by text raises the same click as the user's pick.
    const std::string_view mask = MaskText(prefix);
    const std::vector<std::string> entries = window.ListEntries();
    if (std::find(entries.begin(), entries.end(), mask) != entries.end()) window.ListSelect(mask);
}

void EnterAddress(const PastedAddress& address, Window& window, AddressEntrySteps& steps)
{
    for (std::size_t i = 0; i < kOctetBoxes.size(); ++i)
        steps.EditBox(kOctetBoxes[i], address.octets[i]);
    if (address.prefix) ChoosePrefix(*address.prefix, window, steps);
    steps.FocusBox(Field::IP_Part4);
}

} // namespace quorvane
