// SPDX-License-Identifier: MIT
#include "Classes.h"

#include <cctype>

namespace quorvane {

namespace {

// A caption that is a word, as it stands within a sentence: "multicast", "loopback".
std::string InSentence(std::string_view caption)
{
    std::string word(caption);
    if (!word.empty())
        word[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(word[0])));
    return word;
}

} // namespace

std::string ClassName(std::int16_t netClass)
{
    return std::string("class ") + ClassRow(netClass).letter;
}

std::string FirstOctets(std::int16_t netClass)
{
    const AddressClass& row = ClassRow(netClass);
    return std::to_string(row.firstOctet) + " to " + std::to_string(row.lastOctet);
}

std::string CaptionedClass(std::int16_t netClass)
{
    return std::string(ClassRow(netClass).caption) + " (" + ClassName(netClass) + ")";
}

std::string ClassRanges()
{
    std::string text;
    for (const AddressClass& row : kClasses) {
        if (!text.empty()) text += ", ";
        text += row.netClass <= net_class::kC ? std::string(1, row.letter)
                                              : InSentence(CaptionedClass(row.netClass));
        text += ' ';
        text += FirstOctets(row.netClass);
        if (row.netClass == net_class::kA) {
            text += " (";
            text += std::to_string(kLoopbackOctet);
            text += ' ';
            text += InSentence(kLoopbackCaption);
            text += ')';
        }
    }
    return text;
}

std::string NotSubnettedAddress(std::int16_t netClass)
{
    const std::string what = InSentence(ClassRow(netClass).caption);
    const bool vowel = std::string_view("aeiou").find(what.front()) != std::string_view::npos;
    return (vowel ? "an " : "a ") + what + " address (" + ClassName(netClass) + ")";
}

} // namespace quorvane
