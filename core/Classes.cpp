// SPDX-License-Identifier: MIT
#include "Classes.h"

#include <cctype>

namespace quorvane {

std::string ClassName(std::int16_t netClass)
{
    return std::string("class ") + ClassRow(netClass).letter;
}

std::string InSentence(std::string_view caption)
{
    std::string word(caption);
    if (!word.empty())
        word[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(word[0])));
    return word;
}

std::string NotSubnettedAddress(std::int16_t netClass)
{
    const std::string what = InSentence(ClassRow(netClass).caption);
    const bool vowel = std::string_view("aeiou").find(what.front()) != std::string_view::npos;
    return (vowel ? "an " : "a ") + what + " address (" + ClassName(netClass) + ")";
}

} // namespace quorvane
