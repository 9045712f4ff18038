// SPDX-License-Identifier: MIT
#include "Calculators.h"

namespace quorvane {

void Calculator::Enter(std::string_view first, std::string_view second, std::string_view third,
                       std::string_view fourth)
{
    EnterOctets(window_, {first, second, third, fourth}, &UserActions::Paste);
}

void Calculator::Enter(std::string_view dotted)
{
    std::array<std::string_view, 4> octets{};
    std::size_t start = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        const std::size_t dot = i < 3 ? dotted.find('.', start) : dotted.size();
        octets[i] = dotted.substr(start, dot - start);
        start = dot + 1;
    }
    EnterOctets(window_, octets, &UserActions::Paste);
}

void BareCalculator::SetBoxes(std::string_view first, std::string_view second,
                              std::string_view third, std::string_view fourth)
{
    window.SetText(Field::IP_Part1, first);
    window.SetText(Field::IP_Part2, second);
    window.SetText(Field::IP_Part3, third);
    window.SetText(Field::IP_Part4, fourth);
}

std::vector<std::string> Snapshot(const FieldModel& window)
{
    std::vector<std::string> state;
    for (const FieldInfo& info : kFieldCatalogue)
        state.push_back(window.Text(info.field));
    for (const std::string& entry : window.ListEntries())
        state.push_back("entry " + entry);
    state.push_back("selected " + window.ListSelected());
    state.push_back(window.OptionSelected(Field::Subsuper2) ? "Supernet" : "Subnet");
    return state;
}

} // namespace quorvane
