// SPDX-License-Identifier: MIT
#include "HostLines.h"

namespace quorvane::testing {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Reads a plain decimal number (no leading zero unless it is 0) at `pos`.
std::optional<std::uint64_t> ReadNumber(std::string_view text, std::size_t& pos)
{
    const std::size_t start = pos;
    std::uint64_t value = 0;
    while (pos < text.size() && IsDigit(text[pos]) && pos - start < 12) {
        value = value * 10 + static_cast<std::uint64_t>(text[pos] - '0');
        ++pos;
    }
    const std::size_t length = pos - start;
    if (length == 0 || (length > 1 && text[start] == '0')) return std::nullopt;
    return value;
}

std::optional<std::uint32_t> ReadQuad(std::string_view text, std::size_t& pos)
{
    std::uint32_t address = 0;
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            if (pos >= text.size() || text[pos] != '.') return std::nullopt;
            ++pos;
        }
        const auto octet = ReadNumber(text, pos);
        if (!octet || *octet > 255) return std::nullopt;
        address = address << 8 | static_cast<std::uint32_t>(*octet);
    }
    return address;
}

bool Expect(std::string_view text, std::size_t& pos, std::string_view literal)
{
    if (text.substr(pos, literal.size()) != literal) return false;
    pos += literal.size();
    return true;
}

// The blanks before a "  -  " separator, which itself begins with two of them.
std::optional<std::size_t> ReadGapAndSeparator(std::string_view text, std::size_t& pos)
{
    const std::size_t start = pos;
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    const std::size_t blanks = pos - start;
    if (blanks < 2 || !Expect(text, pos, "-  ")) return std::nullopt;
    return blanks - 2;
}

} // namespace

std::optional<HostLine> ParseHostLine(std::string_view line)
{
    HostLine parsed;
    std::size_t pos = 0;

    const auto number = ReadNumber(line, pos);
    if (!number || !Expect(line, pos, ") ")) return std::nullopt;
    const auto subnet = ReadQuad(line, pos);
    if (!subnet) return std::nullopt;
    parsed.numberAndSubnetLength = pos;
    const auto gap1 = ReadGapAndSeparator(line, pos);
    if (!gap1) return std::nullopt;

    const std::size_t rangeStart = pos;
    const auto first = ReadQuad(line, pos);
    if (!first || !Expect(line, pos, " to ")) return std::nullopt;
    const auto last = ReadQuad(line, pos);
    if (!last) return std::nullopt;
    parsed.rangeLength = pos - rangeStart;
    const auto gap2 = ReadGapAndSeparator(line, pos);
    if (!gap2) return std::nullopt;

    const auto broadcast = ReadQuad(line, pos);
    if (!broadcast || pos != line.size()) return std::nullopt;

    parsed.number = *number;
    parsed.subnet = *subnet;
    parsed.firstHost = *first;
    parsed.lastHost = *last;
    parsed.broadcast = *broadcast;
    parsed.gapAfterSubnet = *gap1;
    parsed.gapAfterRange = *gap2;
    return parsed;
}

std::optional<std::vector<std::string_view>> SplitCrLfLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string_view::npos) return std::nullopt;
        const std::string_view line = text.substr(start, end - start);
        if (line.find_first_of("\r\n") != std::string_view::npos) return std::nullopt;
        lines.push_back(line);
        start = end + 2;
    }
    return lines;
}

std::string ListLine(std::string_view numberAndSubnet, std::size_t gap1, std::string_view range,
                     std::size_t gap2, std::string_view broadcast)
{
    std::string line(numberAndSubnet);
    line.append(gap1, ' ');
    line += "  -  ";
    line += range;
    line.append(gap2, ' ');
    line += "  -  ";
    line += broadcast;
    line += "\r\n";
    return line;
}

} // namespace quorvane::testing
