// SPDX-License-Identifier: MIT
#include "HostList.h"

#include <algorithm>

namespace quorvane {

namespace {

void AppendNumber(std::string& out, std::uint32_t value)
{
    char digits[10];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    while (n > 0)
        out += digits[--n];
}

} // namespace

void AppendQuad(std::string& out, std::uint32_t address)
{
    AppendNumber(out, address >> 24);
    out += '.';
    AppendNumber(out, (address >> 16) & 0xFF);
    out += '.';
    AppendNumber(out, (address >> 8) & 0xFF);
    out += '.';
    AppendNumber(out, address & 0xFF);
}

namespace {

// Columns are padded by two spaces per missing character, which lines them up in
// a face whose space is half as wide as a digit.
void AppendPadding(std::string& out, std::size_t columnStart, int width)
{
    const int used = static_cast<int>(out.size() - columnStart);
    out.append(static_cast<std::size_t>(std::max(0, width - 2 * used)), ' ');
}

} // namespace

std::string HostList(std::uint32_t subnet, int hostBits, double count)
{
    const int lines = count > kMaxHostListLines ? kMaxHostListLines : static_cast<int>(count);
    const std::uint64_t size = std::uint64_t{1} << hostBits;
    std::string text;
    text.reserve(static_cast<std::size_t>(std::max(lines, 0)) * 96);
    for (int k = 1; k <= lines; ++k) {
        // Computed from the start, so the first octet carries like the others.
        const auto current = static_cast<std::uint32_t>(subnet + (k - 1) * size);
        const auto next = static_cast<std::uint32_t>(subnet + k * size);

        std::size_t column = text.size();
        AppendNumber(text, static_cast<std::uint32_t>(k));
        text += ") ";
        AppendQuad(text, current);
        AppendPadding(text, column, 40);
        text += "  -  ";

        column = text.size();
        AppendQuad(text, current + 1);
        text += " to ";
        AppendQuad(text, next - 2);
        AppendPadding(text, column, 68);
        text += "  -  ";
        AppendQuad(text, next - 1);
        text += "\r\n";
    }
    return text;
}

} // namespace quorvane
