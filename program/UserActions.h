// SPDX-License-Identifier: MIT
#pragma once

#include "Fields.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace quorvane {

// What a user does to the window. Every action raises the events a person's
// action would, one user action at a time. An action on a box that has the focus
// already leaves its caret where it is (after a correction, the whole corrected
// text is selected, so the next keystroke replaces it); on any other box it first
// moves the focus there as a click does: an octet box with its whole text selected,
// the list box with the caret at the end of its text.
class UserActions {
public:
    virtual ~UserActions() = default;

    // One keystroke per code point, each carrying its character, to the control
    // with the focus: the box decides what it takes (no control character goes into
    // an octet box), and after a "." that moved on, the keystrokes go to the next box;
    // after a "/" in box 4, to the mask list. Then the user pauses.
    virtual void Type(Field box, std::string_view utf8) = 0;
    // `count` Backspace keystrokes.
    virtual void Backspace(Field box, int count) = 0;
    // Select all and delete.
    virtual void Clear(Field box) = 0;
    // Select all and paste; into an octet box, a whole address fills all four.
    virtual void Paste(Field box, std::string_view utf8) = 0;
    // Pick an entry of the mask list; false when there is no such entry. The list
    // takes the focus.
    virtual bool Pick(std::string_view entry) = 0;
    // The option takes the focus.
    virtual void Click(Field option) = 0;
};

// Puts the four octets into their boxes in box order, as a user would: typed, or
// with `&UserActions::Paste` pasted over each box's text.
inline void EnterOctets(UserActions& user, const std::array<std::string_view, 4>& octets,
                        void (UserActions::*entry)(Field, std::string_view) = &UserActions::Type)
{
    for (std::size_t i = 0; i < octets.size(); ++i)
        (user.*entry)(kOctetBoxes[i], octets[i]);
}

} // namespace quorvane
