// SPDX-License-Identifier: MIT
#include "Format.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace quorvane {

std::string FormatWhole(double value)
{
    char buffer[32];
    // The calculator's counts are whole numbers below 2^32: written as integers,
    // which is much quicker than as doubles, and the same digits.
    if (std::fabs(value) < 0x1p53 && std::trunc(value) == value && !std::signbit(value)) {
        const auto result =
            std::to_chars(buffer, buffer + sizeof buffer, static_cast<std::uint64_t>(value));
        return std::string(buffer, result.ptr);
    }
    // Any other double, rounded half to even on its exact binary value: the C
    // library's printf writes it exactly on every system the program is built for,
    // and with no fraction digits no locale changes what it writes.
    // The largest double has 309 digits.
    char digits[320];
    std::snprintf(digits, sizeof digits, "%.0f", value);
    return digits;
}

std::string FormatPercent(double percent, std::string_view decimalPoint)
{
    // Work in whole tenths so the shortest form needs no trimming of zeros.
    const double tenths = std::round(percent * 10);
    const double whole = std::trunc(tenths / 10);
    const double fraction = std::fabs(tenths - whole * 10);
    std::string text = FormatWhole(whole);
    if (fraction != 0) {
        text += decimalPoint;
        text += FormatWhole(fraction);
    }
    return text + "%";
}

std::string FormatCount(double count, std::string_view one, std::string_view many)
{
    return FormatWhole(count) + " " + std::string(count == 1 ? one : many);
}

} // namespace quorvane
