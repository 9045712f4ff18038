// SPDX-License-Identifier: MIT
#include "Utf8Text.h"

namespace quorvane {

namespace {
constexpr char32_t kReplacement = 0xFFFD;
}

std::vector<char32_t> DecodeUtf8(std::string_view utf8)
{
    std::vector<char32_t> out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        int length = 0;
        char32_t cp = 0;
        char32_t minimum = 0;
        if (lead < 0x80) {
            out.push_back(lead);
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2, cp = lead & 0x1F, minimum = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3, cp = lead & 0x0F, minimum = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4, cp = lead & 0x07, minimum = 0x10000;
        } else {
            out.push_back(kReplacement);
            ++i;
            continue;
        }
        int taken = 1;
        for (; taken < length && i + taken < utf8.size(); ++taken) {
            const auto next = static_cast<unsigned char>(utf8[i + taken]);
            if ((next & 0xC0) != 0x80) break;
            cp = (cp << 6) | (next & 0x3F);
        }
        const bool valid =
            taken == length && cp >= minimum && cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
        out.push_back(valid ? cp : kReplacement);
        i += static_cast<std::size_t>(taken);
    }
    return out;
}

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string EncodeUtf8(const std::vector<char32_t>& codePoints)
{
    std::string out;
    out.reserve(codePoints.size());
    for (char32_t cp : codePoints)
        AppendUtf8(out, cp);
    return out;
}

std::string SanitizeUtf8(std::string_view bytes)
{
    return EncodeUtf8(DecodeUtf8(bytes));
}

std::string FirstCodePoints(std::string_view utf8, std::size_t limit)
{
    std::vector<char32_t> cps = DecodeUtf8(utf8);
    if (cps.size() > limit) cps.resize(limit);
    return EncodeUtf8(cps);
}

} // namespace quorvane
