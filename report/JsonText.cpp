// SPDX-License-Identifier: MIT
#include "JsonText.h"

#include "Utf8Text.h"

#include <array>

namespace quorvane {

namespace {

std::string Escaped(unsigned char c)
{
    switch (c) {
    case '"': return "\\\"";
    case '\\': return "\\\\";
    case '\b': return "\\b";
    case '\f': return "\\f";
    case '\n': return "\\n";
    case '\r': return "\\r";
    case '\t': return "\\t";
    default: {
        static constexpr char kHex[] = "0123456789abcdef";
        return std::string("\\u00") + kHex[c >> 4] + kHex[c & 0xF];
    }
    }
}

// What a byte asks of a JSON string: an escape, or a check of the UTF-8 it is part of.
constexpr unsigned char kEscape = 1;
constexpr unsigned char kNoAscii = 2;
constexpr std::array<unsigned char, 256> kCare = [] {
    std::array<unsigned char, 256> care{};
    for (std::size_t byte = 0; byte < care.size(); ++byte) {
        if (byte < 0x20 || byte == '"' || byte == '\\') care[byte] = kEscape;
        if (byte >= 0x80) care[byte] = kNoAscii;
    }
    return care;
}();

} // namespace

void AppendJsonText(std::string& out, std::string_view text)
{
    // Most texts (addresses, bit strings, counts) need nothing done: one look at each
    // byte, and they go in at once.
    unsigned char care = 0;
    for (const char c : text)
        care |= kCare[static_cast<unsigned char>(c)];
    const bool ascii = (care & kNoAscii) == 0;
    out += '"';
    if (care == 0) {
        out.append(text);
        out += '"';
        return;
    }
    const std::string sanitized = ascii ? std::string() : SanitizeUtf8(text);
    const std::string_view clean = ascii ? text : std::string_view(sanitized);
    // Runs of plain characters go in at once.
    std::size_t from = 0;
    for (std::size_t i = 0; i < clean.size(); ++i) {
        const auto c = static_cast<unsigned char>(clean[i]);
        if (c >= 0x20 && c != '"' && c != '\\') continue;
        out.append(clean, from, i - from);
        from = i + 1;
        out += Escaped(c);
    }
    out.append(clean, from);
    out += '"';
}

std::string JsonText(std::string_view text)
{
    std::string out;
    AppendJsonText(out, text);
    return out;
}

} // namespace quorvane
