// SPDX-License-Identifier: MIT
#pragma once

#include "Window.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

// A whole address pasted into an octet box, as network plans write it:
// "192.168.1.10", "192.168.1.10/26" or "192.168.1.10 255.255.255.192".
struct PastedAddress {
    // The four groups of digits as written: "01" stays "01", "300" stays "300".
    std::array<std::string, 4> octets;
    // The number after "/" (0 to 99), or the prefix length of a mask of the mask
    // table; none without either, or with a mask that the table does not hold.
    std::optional<int> prefix;
};

// Reads a pasted text, trimmed of spaces, tabs and line breaks at both ends, as a
// whole address: four groups of 1 to 3 ASCII digits joined by ".", then optionally
// "/" and 1 or 2 digits (spaces around the "/"), or spaces or tabs and a mask
// written the same way. Nothing when the text is anything else: it then goes into
// the box as any pasted text does.
std::optional<PastedAddress> ReadPastedAddress(std::string_view text);

// Where a "." keystroke in an octet box that holds `text` moves the focus: to the
// next box, when there is one and the box holds text. Otherwise the "." is an
// ordinary character.
std::optional<Field> BoxAfterDot(Field box, std::string_view text);

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

// Enters the address into the window: the four boxes in box order, then, with a
// prefix length of 2 to 31 for a class A, B or C address (as the boxes read after
// the edits), the mode the prefix needs (Supernet when it is shorter than the
// class's own, Subnet when longer) and its mask, each chosen as the user chooses
// it. The focus ends in the last box.
void EnterAddress(const PastedAddress& address, Window& window, AddressEntrySteps& steps);

} // namespace quorvane
