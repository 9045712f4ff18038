// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace quorvane {

// The number a text begins with, 0 when there is none. Spaces and tabs are
// ignored anywhere; an optional sign, decimal digits with at most one '.', and an
// optional exponent (E or e, optional sign, digits) are read up to the first
// character that cannot continue them. The decimal point is always '.', whatever
// the process locale. A value too large for a double reads as an infinity.
double TextValue(std::string_view text);

// Nearest integer, a half going to the even neighbour.
double RoundHalfEven(double value);

} // namespace quorvane
