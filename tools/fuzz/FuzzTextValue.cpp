// SPDX-License-Identifier: MIT
// TextValue on arbitrary bytes of any length: never NaN, rounding agrees with the
// C library's, blanks and trailing junk change nothing, a sign negates, and on
// texts made only of number characters it reads what strtod reads in the C locale,
// whatever the process locale is.
#include "TextValue.h"

#include <cfenv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <locale.h>
#include <string>
#include <string_view>

namespace {

locale_t cLocale = nullptr;

void Require(bool ok, const char* rule, std::string_view text)
{
    if (ok) return;
    std::fprintf(stderr, "TextValue broke \"%s\" on %zu bytes: \"%.*s\"\n", rule, text.size(),
                 static_cast<int>(text.size() < 200 ? text.size() : 200), text.data());
    std::abort();
}

bool Same(double a, double b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

bool OnlyNumberCharacters(std::string_view text)
{
    for (char c : text) {
        const bool number =
            (c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == '+' || c == '-';
        if (!number) return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // A locale whose decimal separator is a comma: the reading must not follow it.
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using quorvane::RoundHalfEven;
    using quorvane::TextValue;
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double value = TextValue(text);
    Require(!std::isnan(value), "never NaN", text);

    const double rounded = RoundHalfEven(value);
    Require(Same(rounded, std::nearbyint(value)), "rounds half to even", text);

    std::string blank = text;
    blank.insert(size / 2, size % 2 == 0 ? " " : "\t");
    Require(Same(TextValue(blank), value), "blanks are ignored", text);
    Require(Same(TextValue(text + "x"), value), "reading stops at junk", text);

    std::string stripped;
    for (char c : text) {
        if (c != ' ' && c != '\t') stripped += c;
    }
    if (!stripped.empty() && stripped[0] != '+' && stripped[0] != '-') {
        Require(Same(TextValue("-" + text), -value), "a minus sign negates", text);
        Require(Same(TextValue("+" + text), value), "a plus sign keeps", text);
    }

    if (cLocale != nullptr && OnlyNumberCharacters(stripped)) {
        const double expected = strtod_l(stripped.c_str(), nullptr, cLocale);
        Require(Same(RoundHalfEven(value), std::nearbyint(expected)), "reads as strtod does", text);
    }
    return 0;
}
