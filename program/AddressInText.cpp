// SPDX-License-Identifier: MIT
#include "AddressInText.h"

#include <algorithm>
#include <bit>
#include <cstdint>

namespace quorvane {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Only ASCII glues: a label in another script or a no-break space beside an
// address leaves it whole.
bool IsLetterOrDigit(char c)
{
    const char lower = static_cast<char>(c | 0x20);
    return IsDigit(c) || (lower >= 'a' && lower <= 'z');
}

// Spaces, tabs, and the no-break spaces that chat and office programs put in
// (U+00A0, U+2007, U+202F in UTF-8).
std::size_t SkipBlanks(std::string_view text, std::size_t at)
{
    for (;;) {
        const std::string_view rest = text.substr(at);
        if (rest.starts_with(' ') || rest.starts_with('\t')) {
            at += 1;
        } else if (rest.starts_with("\xC2\xA0")) {
            at += 2;
        } else if (rest.starts_with("\xE2\x80\x87") || rest.starts_with("\xE2\x80\xAF")) {
            at += 3;
        } else {
            return at;
        }
    }
}

// Groups of digits joined by single dots, from a digit on. A dot ends the run
// unless a digit follows it, so a sentence's full stop is not part of it.
struct DottedRun {
    std::size_t start = 0;
    std::size_t end = 0;
    std::size_t groups = 0;
    bool groupsFit = true; // every group 1 to 3 digits
    std::array<std::string_view, 4> first{};

    std::string_view Text(std::string_view text) const { return text.substr(start, end - start); }
};

DottedRun ReadRun(std::string_view text, std::size_t start)
{
    DottedRun run;
    run.start = start;
    std::size_t at = start;
    for (;;) {
        const std::size_t from = at;
        while (at < text.size() && IsDigit(text[at]))
            ++at;
        if (run.groups < run.first.size()) run.first[run.groups] = text.substr(from, at - from);
        run.groupsFit = run.groupsFit && at - from <= 3;
        ++run.groups;
        if (at + 1 < text.size() && text[at] == '.' && IsDigit(text[at + 1])) {
            ++at;
            continue;
        }
        break;
    }
    run.end = at;
    return run;
}

bool GluedAfter(std::string_view text, std::size_t end)
{
    return end < text.size() && IsLetterOrDigit(text[end]);
}

bool IsQuad(std::string_view text, const DottedRun& run)
{
    return run.groups == 4 && run.groupsFit && !GluedAfter(text, run.end);
}

// The first dotted quad at or after `from` that stands on its own.
std::optional<DottedRun> NextQuad(std::string_view text, std::size_t from)
{
    for (std::size_t at = from; at < text.size(); ++at) {
        if (!IsDigit(text[at])) continue;
        // Inside a word or a number, or the next group of a run already passed.
        if (at > 0 && IsLetterOrDigit(text[at - 1])) continue;
        if (at > 1 && text[at - 1] == '.' && IsDigit(text[at - 2])) continue;
        const DottedRun run = ReadRun(text, at);
        if (IsQuad(text, run)) return run;
        at = run.end - 1;
    }
    return std::nullopt;
}

// The quad's value; none when a group is above 255.
std::optional<std::uint32_t> QuadValue(const DottedRun& quad)
{
    std::uint32_t value = 0;
    for (std::string_view group : quad.first) {
        int number = 0;
        for (char digit : group)
            number = number * 10 + (digit - '0');
        if (number > 255) return std::nullopt;
        value = value << 8 | static_cast<std::uint32_t>(number);
    }
    return value;
}

// The prefix of a mask (ones, then zeros), or of a wildcard mask (an access list's
// zeros, then ones). 255.255.255.255 as a mask and 0.0.0.0 as a wildcard both
// stand for one host: /32.
std::optional<int> MaskOrWildcard(const DottedRun& quad)
{
    const auto value = QuadValue(quad);
    if (!value) return std::nullopt;
    if (*value == ~std::uint32_t{0}) return 32;
    if ((*value & (*value + 1)) == 0) return 32 - std::popcount(*value);
    const int ones = std::countl_one(*value);
    if (*value << ones == 0) return ones;
    return std::nullopt;
}

// Whether a quad in the place of a mask was meant as one: masks and wildcard masks
// begin with 255 or 0, addresses (a gateway, a range's end) seldom do.
bool MeantAsMask(const DottedRun& quad)
{
    return quad.first[0] == "255" || quad.first[0] == "0";
}

// A prefix length written with more digits reads as this.
constexpr int kLongestWritten = 999;

struct Prefix {
    std::optional<int> length;
    std::string text;
};

Prefix PrefixAfter(std::string_view text, std::size_t end)
{
    const std::size_t slash = SkipBlanks(text, end);
    if (slash < text.size() && text[slash] == '/') {
        const std::size_t at = SkipBlanks(text, slash + 1);
        if (at < text.size() && IsDigit(text[at])) {
            const DottedRun run = ReadRun(text, at);
            const std::string written = "/" + std::string(run.Text(text));
            if (IsQuad(text, run)) return {MaskOrWildcard(run), written};
            if (run.groups == 1 && !GluedAfter(text, run.end)) {
                // Any length is read, so that /320 is not taken for no prefix at all.
                int prefix = 0;
                for (char digit : run.Text(text))
                    prefix = std::min(prefix * 10 + (digit - '0'), kLongestWritten);
                return {prefix, written};
            }
        }
    }
    if (const auto next = NextQuad(text, end)) {
        const std::string written(next->Text(text));
        if (const auto prefix = MaskOrWildcard(*next)) return {prefix, written};
        if (MeantAsMask(*next)) return {std::nullopt, written};
    }
    return {};
}

} // namespace

std::optional<PastedAddress> FindAddress(std::string_view text)
{
    const auto quad = NextQuad(text, 0);
    if (!quad) return std::nullopt;
    PastedAddress address;
    for (std::size_t i = 0; i < address.octets.size(); ++i)
        address.octets[i] = std::string(quad->first[i]);
    Prefix prefix = PrefixAfter(text, quad->end);
    address.prefix = prefix.length;
    address.prefixText = std::move(prefix.text);
    return address;
}

} // namespace quorvane
