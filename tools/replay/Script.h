// SPDX-License-Identifier: MIT
#pragma once

#include "Fields.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace quorvane::replay {

// One line of a replay script, as the user action it stands for.
struct Action {
    enum class Kind { Type, Back, Clear, Paste, Pick, Click, Dump };
    Kind kind;
    Field field = Field::IP_Part1; // the box or option acted on
    std::string text;              // typed, pasted or picked text
    long long count = 0;           // Backspace keystrokes
};

struct Blank {};
struct Malformed {
    std::string reason;
};

using ParsedLine = std::variant<Blank, Action, Malformed>;

// Parses one line (without its line break). TEXT runs from after the separating
// space to the end of the line, verbatim.
ParsedLine ParseLine(std::string_view line);

} // namespace quorvane::replay
