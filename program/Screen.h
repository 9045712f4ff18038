// SPDX-License-Identifier: MIT
#pragma once

#include "Fields.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace quorvane {

// Where an octet box's caret stands and what of its text is selected.
struct BoxCaret {
    std::size_t position = 0; // in characters (code points) from the start
    std::string selected;     // empty when nothing is
};

// What a person sees of the window, read from the controls themselves and never
// through the fields the program writes: what the checks and the dumps compare.
class Screen {
public:
    virtual ~Screen() = default;

    // A label's caption or a box's text as shown; the Hosts/Subnets list's lines
    // end in CRLF, as the program writes them.
    virtual std::string Shown(Field field) const = 0;
    // The mask list's entries, and the one it shows ("" for none).
    virtual std::vector<std::string> ListEntries() const = 0;
    virtual std::string ListSelected() const = 0;
    // Whether a mode option is checked.
    virtual bool OptionSelected(Field option) const = 0;
    // The control that takes the next keystroke; none when that is no field's.
    virtual std::optional<Field> Focused() const = 0;
    virtual BoxCaret Caret(Field box) const = 0;
};

} // namespace quorvane
