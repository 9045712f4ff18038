// SPDX-License-Identifier: MIT
#include "TextValue.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace quorvane {

namespace {

constexpr long long kExponentCap = 1'000'000'000;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Digits with at most one point, times ten to the exponent, correctly rounded; a
// value beyond a double's range is an infinity, one below it zero. The C library's
// strtod rounds (exactly, on every system the program is built for), given the
// number with its point moved into the exponent: the point is the one character
// whose reading follows the process locale.
double DecimalValue(std::string_view mantissa, long long exponent)
{
    // A box's usual text, a few digits alone, is a whole number read exactly as such.
    if (exponent == 0 && mantissa.size() <= 15 && mantissa.find('.') == std::string_view::npos) {
        std::uint64_t whole = 0;
        for (const char digit : mantissa)
            whole = whole * 10 + static_cast<std::uint64_t>(digit - '0');
        return static_cast<double>(whole);
    }
    std::string number;
    number.reserve(mantissa.size() + 16);
    bool point = false;
    for (char c : mantissa) {
        if (c == '.') {
            point = true;
            continue;
        }
        number += c;
        if (point) --exponent;
    }
    number += 'e';
    number += std::to_string(exponent);
    return std::strtod(number.c_str(), nullptr);
}

} // namespace

double TextValue(std::string_view text)
{
    // Blanks are ignored wherever they stand, so drop them before reading.
    std::string s;
    s.reserve(text.size());
    for (char c : text) {
        if (c != ' ' && c != '\t') s += c;
    }

    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }

    // The mantissa: digits with at most one point, at least one digit in all.
    const std::size_t mantissaStart = i;
    std::size_t digits = 0;
    bool point = false;
    for (; i < s.size(); ++i) {
        if (IsDigit(s[i])) {
            ++digits;
        } else if (s[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0) return 0;
    const std::string_view mantissa(s.data() + mantissaStart, i - mantissaStart);

    // An exponent counts only when at least one digit follows the letter (and sign).
    long long exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            negativeExponent = s[j] == '-';
            ++j;
        }
        if (j < s.size() && IsDigit(s[j])) {
            for (; j < s.size() && IsDigit(s[j]); ++j) {
                if (exponent < kExponentCap) exponent = exponent * 10 + (s[j] - '0');
            }
            if (negativeExponent) exponent = -exponent;
        }
    }

    const double value = DecimalValue(mantissa, exponent);
    return negative ? -value : value;
}

double RoundHalfEven(double value)
{
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff < 0.5) return floor;
    if (diff > 0.5) return floor + 1;
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

} // namespace quorvane
