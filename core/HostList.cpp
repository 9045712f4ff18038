// SPDX-License-Identifier: MIT
#include "HostList.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

namespace quorvane {

namespace {

// Writes the digits of `value` before `end`; returns where they start.
constexpr char* DigitsBefore(char* end, std::uint32_t value)
{
    do {
        *--end = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    return end;
}

// Each octet's digits and a dot after them, and how many digits: a quad is four
// copies of four bytes.
struct OctetText {
    std::array<char, 4> digitsAndDot;
    std::size_t digits;
};

constexpr std::array<OctetText, 256> kOctetTexts = [] {
    std::array<OctetText, 256> texts{};
    for (std::uint32_t value = 0; value < 256; ++value) {
        char digits[3];
        char* const end = digits + sizeof digits;
        const char* start = DigitsBefore(end, value);
        OctetText& text = texts[value];
        text.digits = static_cast<std::size_t>(end - start);
        for (std::size_t i = 0; i < text.digits; ++i)
            text.digitsAndDot[i] = start[i];
        text.digitsAndDot[text.digits] = '.';
    }
    return texts;
}();

// Writes the address as a dotted quad at `at` (room for 16 bytes); returns its end.
char* PutQuad(char* at, std::uint32_t address)
{
    for (int shift = 24; shift >= 0; shift -= 8) {
        const OctetText& octet = kOctetTexts[(address >> shift) & 0xFF];
        std::memcpy(at, octet.digitsAndDot.data(), 4);
        at += octet.digits + 1;
    }
    return at - 1; // no dot after the last octet
}

char* Put(char* at, std::string_view text)
{
    std::memcpy(at, text.data(), text.size());
    return at + text.size();
}

// Columns are padded by two spaces per missing character, which lines them up in
// a face whose space is half as wide as a digit.
char* PutPadding(char* at, const char* columnStart, int width)
{
    const auto used = static_cast<int>(at - columnStart);
    const auto padding = static_cast<std::size_t>(std::max(0, width - 2 * used));
    std::memset(at, ' ', padding);
    return at + padding;
}

} // namespace

void AppendQuad(std::string& out, std::uint32_t address)
{
    char quad[16];
    out.append(quad, static_cast<std::size_t>(PutQuad(quad, address) - quad));
}

std::string HostList(std::uint32_t subnet, int hostBits, double count)
{
    const int lines = count > kMaxHostListLines ? kMaxHostListLines : static_cast<int>(count);
    const std::uint64_t size = std::uint64_t{1} << hostBits;
    std::string text;
    text.reserve(static_cast<std::size_t>(std::max(lines, 0)) * 96);
    // Each line is put together in a buffer and appended at once: a keystroke may
    // write 300 of them.
    char line[192];
    for (int k = 1; k <= lines; ++k) {
        // Computed from the start, so the first octet carries like the others.
        const auto current = static_cast<std::uint32_t>(subnet + (k - 1) * size);
        const auto next = static_cast<std::uint32_t>(subnet + k * size);

        char number[10];
        char* const numberEnd = number + sizeof number;
        const char* numberStart = DigitsBefore(numberEnd, static_cast<std::uint32_t>(k));
        char* at = Put(line, {numberStart, static_cast<std::size_t>(numberEnd - numberStart)});
        at = Put(at, ") ");
        at = PutQuad(at, current);
        at = PutPadding(at, line, 40);
        at = Put(at, "  -  ");

        const char* column = at;
        at = PutQuad(at, current + 1);
        at = Put(at, " to ");
        at = PutQuad(at, next - 2);
        at = PutPadding(at, column, 68);
        at = Put(at, "  -  ");
        at = PutQuad(at, next - 1);
        at = Put(at, "\r\n");
        text.append(line, static_cast<std::size_t>(at - line));
    }
    return text;
}

} // namespace quorvane
