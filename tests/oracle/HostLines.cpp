// SPDX-License-Identifier: MIT
#include "HostLines.h"

#include "Addresses.h"

#include <algorithm>

namespace quorvane::oracle {

namespace {

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

std::size_t ColumnPadding(long width, std::size_t used)
{
    return static_cast<std::size_t>(std::max(0L, width - 2 * static_cast<long>(used)));
}

std::optional<std::string> HostListProblem(std::string_view text, std::uint32_t subnet,
                                           int hostBits, std::uint64_t lines)
{
    const auto split = SplitCrLfLines(text);
    if (!split) return "a list line does not end in CR LF";
    if (split->size() != lines) {
        return "the list has " + std::to_string(split->size()) + " lines, not " +
               std::to_string(lines);
    }
    const std::uint64_t size = std::uint64_t{1} << hostBits;
    for (std::uint64_t k = 1; k <= lines; ++k) {
        const std::string_view line = (*split)[k - 1];
        const std::uint64_t current = subnet + (k - 1) * size;
        const std::string where = "list line " + std::to_string(k) + " ";
        const auto parsed = ParseHostLine(line);
        if (!parsed) return where + "cannot be read back: " + std::string(line);
        if (parsed->number != k || parsed->subnet != current || parsed->firstHost != current + 1 ||
            parsed->lastHost != current + size - 2 || parsed->broadcast != current + size - 1) {
            return where + "should list " + Dotted(static_cast<std::uint32_t>(current)) + " to " +
                   Dotted(static_cast<std::uint32_t>(current + size - 1)) + ": " +
                   std::string(line);
        }
        if (parsed->gapAfterSubnet != ColumnPadding(40, parsed->numberAndSubnetLength) ||
            parsed->gapAfterRange != ColumnPadding(68, parsed->rangeLength)) {
            return where + "has its columns padded wrongly: " + std::string(line);
        }
    }
    return std::nullopt;
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

} // namespace quorvane::oracle
