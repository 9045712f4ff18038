// SPDX-License-Identifier: MIT
#include "JsonText.h"

#include "Utf8Text.h"

#include <algorithm>

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

} // namespace

void AppendJsonText(std::string& out, std::string_view text)
{
    const bool ascii = std::all_of(text.begin(), text.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    const std::string sanitized = ascii ? std::string() : SanitizeUtf8(text);
    const std::string_view clean = ascii ? text : std::string_view(sanitized);
    out += '"';
    // Runs of plain characters go in at once.
    std::size_t plain = 0;
    for (std::size_t i = 0; i < clean.size(); ++i) {
        const auto c = static_cast<unsigned char>(clean[i]);
        if (c >= 0x20 && c != '"' && c != '\\') continue;
        out.append(clean, plain, i - plain);
        plain = i + 1;
        out += Escaped(c);
    }
    out.append(clean, plain);
    out += '"';
}

std::string JsonText(std::string_view text)
{
    std::string out;
    AppendJsonText(out, text);
    return out;
}

} // namespace quorvane
