// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane::oracle {

// One line of the Hosts/Subnets list read back into numbers and column widths.
struct HostLine {
    std::uint64_t number = 0;
    std::uint32_t subnet = 0;
    std::uint32_t firstHost = 0;
    std::uint32_t lastHost = 0;
    std::uint32_t broadcast = 0;
    std::size_t numberAndSubnetLength = 0; // "k) " and the subnet
    std::size_t gapAfterSubnet = 0;
    std::size_t rangeLength = 0; // first host, " to ", last host
    std::size_t gapAfterRange = 0;
};

// Reads "k) subnet<gap>  -  first to last<gap>  -  broadcast" (no line end). Empty
// when the line has any other shape, or an octet above 255 or with a leading zero.
std::optional<HostLine> ParseHostLine(std::string_view line);

// The lines of a list text in which every line ends in CR LF; empty when the text
// has a bare CR or LF or an unterminated last line.
std::optional<std::vector<std::string_view>> SplitCrLfLines(std::string_view text);

// What is wrong with a Hosts/Subnets list text that should show `lines` subnets
// of `hostBits` host bits, the first at `subnet`, each on a line of its own that
// ends in CR LF, with its host range and broadcast and its columns padded; empty
// when nothing is.
std::optional<std::string> HostListProblem(std::string_view text, std::uint32_t subnet,
                                           int hostBits, std::uint64_t lines);

// The blanks a column is padded with beyond the two before its "-": the column's
// width (40 for the subnet with its number, 68 for the host range) less twice the
// characters it holds, at least none.
std::size_t ColumnPadding(long width, std::size_t used);

// A line put together from its columns, as the list shows them.
std::string ListLine(std::string_view numberAndSubnet, std::size_t gap1, std::string_view range,
                     std::size_t gap2, std::string_view broadcast);

} // namespace quorvane::oracle
