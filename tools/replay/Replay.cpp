// SPDX-License-Identifier: MIT
#include "Replay.h"

#include "Dump.h"
#include "Script.h"
#include "Utf8Text.h"

#include <string>

namespace quorvane::replay {

namespace {

void Perform(const Action& action, UserActions& user, const Screen& screen)
{
    switch (action.kind) {
    case Action::Kind::Type: user.Type(action.field, action.text); break;
    case Action::Kind::Paste: user.Paste(action.field, action.text); break;
    case Action::Kind::Clear: user.Clear(action.field); break;
    case Action::Kind::Back:
        // The box takes the focus first, an empty one too. A keystroke that leaves
        // the box empty ends the run: those after it would change nothing. Box 1 is
        // refilled with a selected "1" at once, so there each keystroke counts.
        user.Backspace(action.field, 0);
        for (long long i = 0; i < action.count && !screen.Shown(action.field).empty(); ++i)
            user.Backspace(action.field, 1);
        break;
    case Action::Kind::Click: user.Click(action.field); break;
    case Action::Kind::Pick:
    case Action::Kind::Dump: break; // handled by the caller
    }
}

} // namespace

int Run(std::istream& script, OperationLog& log, UserActions& user, const Screen& screen,
        const Things& things, std::ostream& out, std::ostream& errors,
        const std::function<std::string()>& describe)
{
    std::string raw;
    for (long long number = 1; std::getline(script, raw); ++number) {
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        // Both modes must see the same text: malformed UTF-8 reads as U+FFFD.
        const std::string line = SanitizeUtf8(raw);
        const ParsedLine parsed = ParseLine(line);
        if (const auto* bad = std::get_if<Malformed>(&parsed)) {
            errors << "line " << number << ": " << bad->reason << '\n';
            return kScriptError;
        }
        const auto* action = std::get_if<Action>(&parsed);
        if (action == nullptr) continue;

        if (action->kind == Action::Kind::Dump) {
            out << DumpLine(screen, things, log.Take()) << '\n';
            if (describe) out << describe() << '\n';
            out.flush();
        } else if (action->kind == Action::Kind::Pick) {
            if (!user.Pick(action->text)) {
                errors << "line " << number << ": '" << action->text
                       << "' is not an entry of SubnetList\n";
                return kScriptError;
            }
        } else {
            Perform(*action, user, screen);
        }
    }
    return 0;
}

} // namespace quorvane::replay
