// SPDX-License-Identifier: MIT
#include "TextValue.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace quorvane {

namespace {

constexpr long long kExponentCap = 1'000'000'000;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Power of ten of the leading significant digit, enough to tell an overflow from
// an underflow when the value does not fit a double.
long long DecimalMagnitude(std::string_view mantissa, long long exponent)
{
    long long position = 0; // digits before the point, counted from the first significant one
    bool seenPoint = false;
    bool seenSignificant = false;
    long long leadingFractionZeros = 0;
    for (char c : mantissa) {
        if (c == '.') {
            seenPoint = true;
        } else if (c != '0' || seenSignificant) {
            if (!seenSignificant && seenPoint) break;
            seenSignificant = true;
            if (!seenPoint)
                ++position;
            else
                break;
        } else if (seenPoint) {
            ++leadingFractionZeros;
        }
    }
    const long long magnitude = position > 0 ? position - 1 : -(leadingFractionZeros + 1);
    return magnitude + exponent;
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
    std::size_t end = i;

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
            end = j;
        }
    }

    // from_chars reads the same grammar without a sign, and never consults the locale;
    // on text of that grammar it fails only on a value out of a double's range.
    double value = 0;
    const char* first = s.data() + mantissaStart;
    const char* last = s.data() + end;
    if (std::from_chars(first, last, value, std::chars_format::general).ec ==
        std::errc::result_out_of_range) {
        value = DecimalMagnitude(std::string_view(first, last - first), exponent) > 0
                    ? std::numeric_limits<double>::infinity()
                    : 0.0;
    }
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
