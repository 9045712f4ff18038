// SPDX-License-Identifier: MIT
#pragma once

#include "Things.h"
#include "Window.h"

#include <string>
#include <utility>
#include <vector>

namespace quorvane {

// What a field of the window means now, for the user who hovers over it or reads
// it with a screen reader.
struct Explanation {
    Field field;
    std::string text;
};

// A text for each value label and octet box and for the mask list's closed box:
// what the value is and how it is counted, with the current numbers where they
// help, and why a value shows "N/A". Worked out from the calculator's state and the
// address it last read, with the calculator's own counting.
std::vector<Explanation> ExplainFields(const Things& things);

// One hint per mask list entry, in list order: the prefix and the two counts the
// window would show if the entry were picked ("/26 · 2 subnets · 62 hosts each").
std::vector<std::string> MaskHints(const Things& things, const std::vector<std::string>& entries);

// Gives every field of a window its explanation and the mask list its hints, as
// often as the calculator's state changes. The hints are worked out again only when
// the list's entries, the class or the mode changed.
class Explainer {
public:
    void Explain(const Things& things, Window& window);

private:
    std::int16_t netClass_ = -1;
    std::int16_t mode_ = -1;
    std::vector<std::string> entries_;
    std::vector<std::string> hints_;
};

} // namespace quorvane
