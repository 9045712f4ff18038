// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace quorvane {

// A whole number as plain decimal digits: no grouping, no point, no exponent.
std::string FormatWhole(double value);

// A percentage rounded to one decimal place in its shortest form, then "%":
// 100%, 48.8%, with the given decimal separator.
std::string FormatPercent(double percent, std::string_view decimalPoint);

// A whole count with its noun, `one` for a count of 1: "1 host", "62 hosts".
std::string FormatCount(double count, std::string_view one, std::string_view many);

} // namespace quorvane
