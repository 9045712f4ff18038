// SPDX-License-Identifier: MIT
#pragma once

#include "Fields.h"

#include <functional>
#include <string>
#include <vector>

namespace quorvane {

// A window as seen from outside: the calculator's fields plus what a user can see
// that the calculator never asks for.
class Window : public Fields {
public:
    // Receives every event the window raises: a box's change, the list's click,
    // an option's click; nested inside the write that caused it, if any.
    std::function<void(Field source)> eventHandler;

    // The window's load event: runs its handler once, before any input.
    virtual void Load(const std::function<void()>& handler) { handler(); }
    // The decimal separator of the user's number settings, for the figures the
    // window shows.
    virtual std::string DecimalPoint() const { return "."; }

    virtual std::vector<std::string> ListEntries() const = 0;
    virtual bool OptionSelected(Field option) const = 0;

    // Whether the window shows what its fields mean (tooltips, a screen reader's
    // descriptions); a window that does not is spared working them out.
    virtual bool Explains() const { return false; }
    // What a field's value means, for the user who hovers over it or reads it with a
    // screen reader; a window without tooltips ignores it. Raises nothing.
    virtual void Explain(Field /*field*/, std::string_view /*text*/) {}
    // A hint after each mask list entry in the open list, in list order (what the
    // entry gives if picked); the entries' own texts stay as they are. Raises nothing.
    virtual void ExplainEntries(const std::vector<std::string>& /*hints*/) {}
};

} // namespace quorvane
