// SPDX-License-Identifier: MIT
#pragma once

#include "AddressInText.h"
#include "Window.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

// Where a separator keystroke in an octet box that holds `text` moves the focus:
// "." to the next box, "/" from box 4 to the mask list, when the box holds text.
// Otherwise the key is an ordinary character.
std::optional<Field> FieldAfterSeparator(Field box, char32_t key, std::string_view text);

// A prefix length typed into the focused mask list: one or two digits, optionally
// after "/". Each key is offered in turn; the prefix is complete after two digits,
// or after one that no second digit could extend into a prefix (4 to 9).
class PrefixKeys {
public:
    enum class Taken { No, Waiting, Complete };
    // Whether the key belongs to a prefix being typed; another key drops what was
    // typed.
    Taken Key(char32_t key);
    // The prefix typed so far, ending the typing: complete, or the user paused.
    std::optional<int> Finish();

private:
    std::string typed_;
};

// The steps of entering a pasted address, each taken as the window's user takes it.
class AddressEntrySteps {
public:
    virtual ~AddressEntrySteps() = default;
    // The user's own edit of the box to `text`: its change event only when the text
    // changes. The caret ends after the text unless a correction selected it.
    virtual void EditBox(Field box, std::string_view text) = 0;
    // The user's click on an option, which raises its click; the focus stays.
    virtual void ClickOption(Field option) = 0;
    // The box takes the focus and keeps its caret or selection.
    virtual void FocusBox(Field box) = 0;
};

// Picks a prefix length's mask for the address the boxes hold, as the user would:
// for a prefix of 2 to 31 and a class A, B or C address, first the mode the prefix
// needs (Supernet when it is shorter than the class's own, Subnet when longer),
// then its mask. Any other prefix, or class, changes nothing.
void ChoosePrefix(int prefix, Window& window, AddressEntrySteps& steps);

// Enters the address into the window: the four boxes in box order, then its
// prefix, if any (as the boxes read after the edits). The focus ends in the last box.
void EnterAddress(const PastedAddress& address, Window& window, AddressEntrySteps& steps);

} // namespace quorvane
