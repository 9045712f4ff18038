// SPDX-License-Identifier: MIT
#pragma once

#include "Fields.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

// A window as seen from outside: the calculator's fields plus what a user can see
// that the calculator never asks for.
class Window : public Fields {
public:
    // Receives every event the window raises: a box's change, the list's click,
    // an option's click; nested inside the write that caused it, if any.
    std::function<void(Field source)> raise;

    virtual std::vector<std::string> ListEntries() const = 0;
    virtual bool OptionSelected(Field option) const = 0;
};

// What a user does to the window. Every action raises the events a person's
// action would, one user action at a time. An action on a box that has the focus
// already leaves its caret where it is (after a correction, the whole corrected
// text is selected, so the next keystroke replaces it); on any other box it first
// moves the focus there, with the caret at the end of the text.
class UserActions {
public:
    virtual ~UserActions() = default;

    // One keystroke per code point.
    virtual void Type(Field box, std::string_view utf8) = 0;
    // `count` Backspace keystrokes.
    virtual void Backspace(Field box, int count) = 0;
    // Select all and delete.
    virtual void Clear(Field box) = 0;
    // Select all and paste.
    virtual void Paste(Field box, std::string_view utf8) = 0;
    // Pick an entry of the mask list; false when there is no such entry. The list
    // takes the focus.
    virtual bool Pick(std::string_view entry) = 0;
    // The option takes the focus.
    virtual void Click(Field option) = 0;
};

} // namespace quorvane
