// SPDX-License-Identifier: MIT
#include "Script.h"

#include <charconv>

namespace quorvane::replay {

namespace {

// The first token of `rest` and what follows its separating space, if any.
struct Split {
    std::string_view token;
    std::optional<std::string_view> rest;
};

Split SplitToken(std::string_view text)
{
    const std::size_t space = text.find(' ');
    if (space == std::string_view::npos) return {text, std::nullopt};
    return {text.substr(0, space), text.substr(space + 1)};
}

std::optional<Field> FieldNamed(std::string_view name)
{
    for (const FieldInfo& info : kFieldCatalogue) {
        if (info.name == name) return info.field;
    }
    return std::nullopt;
}

bool IsTypableBox(Field field)
{
    const FieldKind kind = InfoOf(field).kind;
    return kind == FieldKind::TextBox || kind == FieldKind::MultiLine;
}

std::optional<Field> BoxNamed(std::string_view name)
{
    const auto field = FieldNamed(name);
    if (field && IsTypableBox(*field)) return field;
    return std::nullopt;
}

} // namespace

ParsedLine ParseLine(std::string_view line)
{
    if (line.find_first_not_of(" \t") == std::string_view::npos) return Blank{};
    if (line.front() == '#') return Blank{};

    const auto [verb, afterVerb] = SplitToken(line);
    if (verb == "dump") {
        if (afterVerb) return Malformed{"dump takes nothing after it"};
        return Action{Action::Kind::Dump, Field::SubnetList, {}, 0};
    }
    if (verb == "pick") {
        if (!afterVerb) return Malformed{"pick needs an entry text"};
        return Action{Action::Kind::Pick, Field::SubnetList, std::string(*afterVerb), 0};
    }
    if (verb == "click") {
        if (!afterVerb) return Malformed{"click needs an option"};
        const auto option = FieldNamed(*afterVerb);
        if (!option || InfoOf(*option).kind != FieldKind::Option) {
            return Malformed{"unknown option '" + std::string(*afterVerb) + "'"};
        }
        return Action{Action::Kind::Click, *option, {}, 0};
    }

    Action action{Action::Kind::Type, Field::IP_Part1, {}, 0};
    if (verb == "type") {
        action.kind = Action::Kind::Type;
    } else if (verb == "paste") {
        action.kind = Action::Kind::Paste;
    } else if (verb == "back") {
        action.kind = Action::Kind::Back;
    } else if (verb == "clear") {
        action.kind = Action::Kind::Clear;
    } else {
        return Malformed{"unknown action '" + std::string(verb) + "'"};
    }
    if (!afterVerb) return Malformed{std::string(verb) + " needs a box"};

    const auto [boxName, afterBox] = SplitToken(*afterVerb);
    const auto box = BoxNamed(boxName);
    if (!box) return Malformed{"unknown box '" + std::string(boxName) + "'"};
    action.field = *box;

    switch (action.kind) {
    case Action::Kind::Type:
    case Action::Kind::Paste:
        // "type BOX" with nothing after the box types nothing, like an empty TEXT.
        action.text = std::string(afterBox.value_or(""));
        break;
    case Action::Kind::Clear:
        if (afterBox) return Malformed{"clear takes only a box"};
        break;
    case Action::Kind::Back: {
        if (!afterBox || afterBox->empty()) return Malformed{"back needs a count"};
        const std::string_view digits = *afterBox;
        const auto result =
            std::from_chars(digits.data(), digits.data() + digits.size(), action.count);
        if (result.ec != std::errc{} || result.ptr != digits.data() + digits.size() ||
            action.count < 0) {
            return Malformed{"back needs a count of keystrokes"};
        }
        break;
    }
    default: break;
    }
    return action;
}

} // namespace quorvane::replay
