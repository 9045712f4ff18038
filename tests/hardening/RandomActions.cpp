// SPDX-License-Identifier: MIT
#include "RandomActions.h"
#include "RandomInput.h"

#include <array>
#include <limits>
#include <optional>
#include <utility>

namespace quorvane::hardening {

namespace {

// What an octet box holds at most, in characters.
constexpr std::size_t kBoxLength = 3;

// A control character (C0, DEL or C1): a keystroke of one types nothing.
bool IsControl(std::string_view character)
{
    const auto first = static_cast<unsigned char>(character.front());
    const auto second = character.size() > 1 ? static_cast<unsigned char>(character[1]) : 0;
    return first < 0x20 || first == 0x7F || (first == 0xC2 && second >= 0x80 && second <= 0x9F);
}

// The first `limit` characters, as one text.
std::string Joined(const std::vector<std::string>& characters,
                   std::size_t limit = std::numeric_limits<std::size_t>::max())
{
    std::string text;
    for (std::size_t i = 0; i < characters.size() && i < limit; ++i)
        text += characters[i];
    return text;
}

// One user action per call: a keystroke, a paste, a pick or a click. Typing a
// text and erasing several characters are spread over consecutive calls, one
// keystroke each, so that every keystroke is checked on its own.
class ActionSource {
public:
    explicit ActionSource(std::uint32_t seed) : random_(seed) {}

    // The box and the text a user's edit leaves in it before the program reads it;
    // empty after actions that change no octet box's text (and so raise nothing).
    std::optional<std::pair<Field, std::string>> edit;

    // Performs one random action and describes it.
    std::string Perform(UserActions& user, const Screen& screen)
    {
        edit.reset();
        std::string action = PerformAction(user, screen);
        // A corrected edit leaves the correction selected in the box.
        if (edit) selected_ = screen.Shown(edit->first) != edit->second;
        return action;
    }

private:
    std::string PerformAction(UserActions& user, const Screen& screen)
    {
        if (!keys_.empty()) return NextKey(user, screen);
        box_ = kOctetBoxes[random_.Pick(4)];
        FocusOn(box_);
        const std::string boxName(NameOf(box_));
        switch (random_.Pick(12)) {
        case 0:
        case 1:
        case 2:
        case 3: keys_ = Characters(random_.Text(1 + random_.Pick(3))); return NextKey(user, screen);
        case 4:
        case 5:
            keys_.assign(1 + random_.Pick(3), std::string()); // empty: Backspace
            return NextKey(user, screen);
        case 6:
            selected_ = false; // select all, then replace it
            if (!screen.Shown(box_).empty()) edit.emplace(box_, "");
            user.Clear(box_);
            return "Clear " + boxName;
        case 7: {
            const std::string text = random_.Text(random_.Pick(6));
            const std::string pasted = Joined(Characters(text), kBoxLength);
            selected_ = false;
            if (pasted != screen.Shown(box_)) edit.emplace(box_, pasted);
            user.Paste(box_, text);
            return "Paste " + boxName + " \"" + text + "\"";
        }
        case 8:
        case 9:
        case 10: {
            const std::vector<std::string> entries = screen.ListEntries();
            if (entries.empty()) return "Pick (list empty)";
            const std::string& entry = entries[random_.Pick(entries.size())];
            FocusOn(Field::SubnetList);
            user.Pick(entry);
            return "Pick " + entry;
        }
        default: {
            const Field option = random_.Pick(2) == 0 ? Field::Subsuper1 : Field::Subsuper2;
            FocusOn(option);
            user.Click(option);
            return "Click " + std::string(NameOf(option));
        }
        }
    }

    // A box that takes the focus, by a click, gets its whole text selected.
    void FocusOn(Field control)
    {
        if (control != focus_) selected_ = true;
        focus_ = control;
    }

    std::string NextKey(UserActions& user, const Screen& screen)
    {
        const std::string key = keys_.front();
        keys_.erase(keys_.begin());
        const std::string boxName(NameOf(box_));
        // Each keystroke is an action of its own on the box: after a "." moved the
        // focus on, the box takes it back.
        FocusOn(box_);
        std::vector<std::string> text = Characters(screen.Shown(box_));
        if (key == "." && box_ != Field::IP_Part4 && !text.empty()) {
            // Moves on to the next box, its whole text selected; nothing goes in.
            focus_ = kOctetBoxes[static_cast<std::size_t>(box_) + 1];
            selected_ = true;
            user.Type(box_, key);
            return "Type " + boxName + " \".\"";
        }
        if (key.empty()) {
            if (!text.empty()) {
                // Backspace removes a selected text whole.
                if (selected_)
                    text.clear();
                else
                    text.pop_back();
                edit.emplace(box_, Joined(text));
            }
            user.Backspace(box_, 1);
            return "Backspace " + boxName;
        }
        if (!IsControl(key)) {
            // A typed character replaces a selected text.
            if (selected_) text.clear();
            if (text.size() < kBoxLength) {
                text.push_back(key);
                edit.emplace(box_, Joined(text));
            }
        }
        user.Type(box_, key);
        return "Type " + boxName + " \"" + key + "\"";
    }
    RandomInput random_;
    Field box_ = Field::IP_Part1;
    // The control the user's last action left the focus in (box 1 at start-up), and
    // whether that box's whole text is selected: after a click into it, or a correction.
    Field focus_ = Field::IP_Part1;
    bool selected_ = false;
    std::vector<std::string> keys_;
};

// An edit in range stays exactly as typed; one out of range is corrected.
void CheckEdit(const Screen& screen, const std::pair<Field, std::string>& edit,
               std::vector<std::string>& broken)
{
    const auto& [box, typed] = edit;
    const double value = BoxNumber(typed);
    const double lowest = box == Field::IP_Part1 ? 1 : 0;
    const std::string expected = value > 255      ? "255"
                                 : value < lowest ? (lowest == 1 ? "1" : "0")
                                                  : typed;
    if (screen.Shown(box) != expected) {
        broken.push_back(std::string(NameOf(box)) + " shows \"" + screen.Shown(box) +
                         "\" after the edit \"" + typed + "\", expected \"" + expected + "\"");
    }
}

} // namespace

void Reached::Note(const Screen& screen)
{
    if (!screen.Shown(Field::Class).empty()) classes.insert(screen.Shown(Field::Class));
    supernet |= screen.OptionSelected(Field::Subsuper2);
    fullList |= screen.Shown(Field::AccessListBox).find("\n300) ") != std::string::npos;
}

std::string RunRandomSequence(std::uint32_t seed, int actions, UserActions& user,
                              const Screen& screen, const InvariantOptions& options,
                              Reached& reached, const ExtraCheck& alsoCheck)
{
    ActionSource source(seed);
    std::string trail;
    for (int step = 0; step < actions; ++step) {
        const std::string action = source.Perform(user, screen);
        trail += "\n  " + action;
        std::vector<std::string> broken = CheckWindow(screen, options);
        if (source.edit) CheckEdit(screen, *source.edit, broken);
        if (alsoCheck) alsoCheck(broken);
        if (!broken.empty()) {
            std::string message = "seed " + std::to_string(seed) + ", action " +
                                  std::to_string(step + 1) + " (" + action + "):";
            for (const std::string& m : broken)
                message += "\n  " + m;
            return message + "\nactions so far:" + trail;
        }
        reached.Note(screen);
        if (trail.size() > 4000) trail.erase(0, trail.size() - 4000);
    }
    return {};
}

} // namespace quorvane::hardening
